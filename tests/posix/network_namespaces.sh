#!/usr/bin/env bash
# Runs the namespace checks of the sockets library in network namespaces: loopback only, and two
# interfaces with the default route on the second, in either order, with a hosts file of our own.
# Usage: network_namespaces.sh CHECKS_EXECUTABLE. Exits 77 (skipped) where namespaces cannot be made.
set -uo pipefail
checks=$1
prefix="ipview-$$"
namespaces=()

cleanup() {
    for namespace in "${namespaces[@]}"; do
        ip netns delete "$namespace" 2>/dev/null
        rm -rf "/etc/netns/$namespace"
    done
}
trap cleanup EXIT

new_namespace() {
    ip netns add "$1" && namespaces+=("$1") && ip -n "$1" link set lo up
}

# Usage: two_interfaces NAMESPACE NAME=ADDRESS NAME=ADDRESS; the default route goes by the second.
two_interfaces() {
    local pair
    new_namespace "$1" || return 1
    for pair in "$2" "$3"; do
        ip -n "$1" link add "${pair%=*}" type veth peer name "${pair%=*}p" &&
            ip -n "$1" link set "${pair%=*}" up && ip -n "$1" link set "${pair%=*}p" up &&
            ip -n "$1" addr add "${pair#*=}/24" dev "${pair%=*}" || return 1
    done
    ip -n "$1" route add default via "${3#*=}" dev "${3%=*}"
}

# Usage: run_checks NAMESPACE OWN_ADDRESS GTEST_FILTER
run_checks() {
    echo "=== $1: own address $2, checks $3"
    ip netns exec "$1" env IPVIEW_OWN_ADDRESS="$2" "$checks" --gtest_filter="$3" || exit 1
}

if [ "$(id -u)" -ne 0 ] || ! new_namespace "$prefix-loopback"; then
    echo "SKIP: network namespaces need root and 'ip netns add'" >&2
    exit 77
fi
run_checks "$prefix-loopback" 127.0.0.1 "OwnAddress.*"

second="$prefix-default-on-second"
two_interfaces "$second" a0=198.51.100.2 b0=203.0.113.2 || exit 1
mkdir -p "/etc/netns/$second"
printf '127.0.1.1 %s\n203.0.113.20 several.example\n198.51.100.20 several.example\n' \
    "$(hostname)" >"/etc/netns/$second/hosts"
echo "2001:db8::1 v6only.example" >>"/etc/netns/$second/hosts"
# Nothing answers at this address: the veth's other end holds no address.
printf 'nameserver 198.51.100.53\noptions timeout:1 attempts:1\n' >"/etc/netns/$second/resolv.conf"
run_checks "$second" 203.0.113.2 "*"

two_interfaces "$prefix-default-on-first" b0=203.0.113.2 a0=198.51.100.2 || exit 1
run_checks "$prefix-default-on-first" 198.51.100.2 "OwnAddress.*"
