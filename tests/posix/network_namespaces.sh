#!/usr/bin/env bash
# Usage: network_namespaces.sh TESTS. Runs their namespace tests in network namespaces of their
# own: loopback only, and two interfaces with the default route on the second, in either order.
# A user who is not root makes them inside a user namespace of their own, where they may.
set -euo pipefail
tests=$1
export GTEST_FILTER='InNamespace.*'

# Usage: two_interfaces NAME=ADDRESS NAME=ADDRESS; the default route goes by the second.
two_interfaces() {
    for pair in "$1" "$2"; do
        ip link add "${pair%=*}" up type veth peer name "${pair%=*}p"
        ip link set "${pair%=*}p" up
        ip addr add "${pair#*=}/24" dev "${pair%=*}"
    done
    ip route add default via "${2#*=}" dev "${2%=*}"
}

if [ "${2:-}" = --inside ]; then
    ip link set lo up
    case $3 in
    loopback) own=127.0.0.1 ;;
    second)
        two_interfaces a0=198.51.100.2 b0=203.0.113.2
        own=203.0.113.2
        # A hosts file that gives the host name the loopback address, as many do; the mount
        # namespace keeps it to this test.
        hosts=$(mktemp)
        trap 'rm -f "$hosts"' EXIT
        echo "127.0.1.1 $(hostname)" >"$hosts"
        mount --bind "$hosts" /etc/hosts
        ;;
    first)
        two_interfaces b0=203.0.113.2 a0=198.51.100.2
        own=198.51.100.2
        ;;
    esac
    IPVIEW_OWN_ADDRESS=$own "$tests"
    exit
fi

namespaces=(unshare --net --mount --propagation private)
[ "$(id -u)" -eq 0 ] || namespaces=(unshare --user --map-root-user "${namespaces[@]:1}")
"${namespaces[@]}" true ||
    { echo "FAIL: this machine lets this user make no network namespace (${namespaces[*]})" >&2; exit 1; }
for layout in loopback second first; do
    "${namespaces[@]}" "$0" "$tests" --inside "$layout"
done
