#!/usr/bin/env bash
# Runs the namespace checks of the sockets library in network namespaces built for each case:
# loopback only, two interfaces with the default route on either, no default route, a hosts file
# with international and IPv6-only names, and a DNS server that never answers.
# Usage: network_namespaces.sh CHECKS_EXECUTABLE. Exits 77 (skipped) where namespaces cannot be made.
set -uo pipefail

checks=$1
skip=77
prefix="ipview-$$"
namespaces=()
scratch=$(mktemp -d)

cleanup() {
    for namespace in "${namespaces[@]}"; do
        ip netns delete "$namespace" 2>/dev/null
        rm -rf "/etc/netns/$namespace"
    done
    rm -rf "$scratch"
}
trap cleanup EXIT

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: network namespaces need root" >&2
    exit $skip
fi

# A GB2312 locale for the Chinese name; its check skips itself when localedef cannot make it.
localedef -i zh_CN -f GB2312 "$scratch/zh_CN.GB2312" 2>/dev/null
locales="$scratch:/usr/lib/locale"

new_namespace() {
    ip netns add "$1" || return 1
    namespaces+=("$1")
    ip -n "$1" link set lo up
}

# Adds a veth pair whose first end holds the address; the pair stays inside the namespace.
add_interface() {
    local namespace=$1 name=$2 address=$3
    ip -n "$namespace" link add "$name" type veth peer name "${name}p" &&
        ip -n "$namespace" link set "$name" up &&
        ip -n "$namespace" link set "${name}p" up &&
        ip -n "$namespace" addr add "$address/24" dev "$name"
}

failures=0
# Usage: run_checks NAMESPACE OWN_ADDRESS GTEST_FILTER
run_checks() {
    echo "=== $1: own address $2, checks $3"
    ip netns exec "$1" env LOCPATH="$locales" IPVIEW_OWN_ADDRESS="$2" "$checks" --gtest_filter="$3" ||
        failures=$((failures + 1))
}

loopback="$prefix-loopback"
if ! new_namespace "$loopback"; then
    echo "SKIP: 'ip netns add' does not work on this system" >&2
    exit $skip
fi
run_checks "$loopback" 127.0.0.1 "OwnAddress.*"

second="$prefix-default-on-second"
new_namespace "$second" || exit 1
add_interface "$second" a0 198.51.100.2 && add_interface "$second" b0 203.0.113.2 &&
    ip -n "$second" route add default via 203.0.113.1 dev b0 || exit 1
mkdir -p "/etc/netns/$second"
cat >"/etc/netns/$second/hosts" <<HOSTS
127.0.0.1 localhost
127.0.1.1 $(hostname)
198.51.100.7 xn--bcher-kva.example
203.0.113.9 xn--fiq228c.example
203.0.113.20 several.example
198.51.100.20 several.example
2001:db8::1 v6only.example
HOSTS
# Nothing answers at this address: the veth's other end holds no address.
printf 'nameserver 198.51.100.53\noptions timeout:1 attempts:1\n' >"/etc/netns/$second/resolv.conf"
run_checks "$second" 203.0.113.2 "*"

first="$prefix-default-on-second-reversed"
new_namespace "$first" || exit 1
add_interface "$first" b0 203.0.113.2 && add_interface "$first" a0 198.51.100.2 &&
    ip -n "$first" route add default via 198.51.100.1 dev a0 || exit 1
run_checks "$first" 198.51.100.2 "OwnAddress.*"

none="$prefix-no-default"
new_namespace "$none" || exit 1
add_interface "$none" b0 203.0.113.2 && add_interface "$none" a0 198.51.100.2 || exit 1
run_checks "$none" 203.0.113.2 "OwnAddress.*"

exit $((failures > 0))
