#!/usr/bin/env bash
# Usage: network_namespaces.sh TESTS. Runs their namespace tests in network namespaces: loopback
# only, and two interfaces with the default route on the second, in either order. Exits 77 (skip)
# where namespaces cannot be made.
set -euo pipefail
tests=$1
prefix="ipview-$$"
namespaces=()

trap 'for n in "${namespaces[@]}"; do ip netns delete "$n"; rm -rf "/etc/netns/$n"; done' EXIT

new_namespace() {
    ip netns add "$1" && namespaces+=("$1") && ip -n "$1" link set lo up
}

# Usage: two_interfaces NAMESPACE NAME=ADDRESS NAME=ADDRESS; the default route goes by the second.
two_interfaces() {
    new_namespace "$1"
    for pair in "$2" "$3"; do
        ip -n "$1" link add "${pair%=*}" up type veth peer name "${pair%=*}p"
        ip -n "$1" link set "${pair%=*}p" up
        ip -n "$1" addr add "${pair#*=}/24" dev "${pair%=*}"
    done
    ip -n "$1" route add default via "${3#*=}" dev "${3%=*}"
}

export GTEST_FILTER='InNamespace.*'

if [ "$(id -u)" -ne 0 ] || ! new_namespace "$prefix-loopback"; then
    echo "SKIP: network namespaces need root and 'ip netns add'" >&2
    exit 77
fi
ip netns exec "$prefix-loopback" env IPVIEW_OWN_ADDRESS=127.0.0.1 "$tests"

two_interfaces "$prefix-second" a0=198.51.100.2 b0=203.0.113.2
# A hosts file that gives the host name the loopback address, as many do.
mkdir -p "/etc/netns/$prefix-second"
echo "127.0.1.1 $(hostname)" >"/etc/netns/$prefix-second/hosts"
ip netns exec "$prefix-second" env IPVIEW_OWN_ADDRESS=203.0.113.2 "$tests"

two_interfaces "$prefix-first" b0=203.0.113.2 a0=198.51.100.2
ip netns exec "$prefix-first" env IPVIEW_OWN_ADDRESS=198.51.100.2 "$tests"
