# Shared by the packaging checks: how a missing tool and a failed check end the test.

failures=0

# Fails the check, saying why, and goes on with the next one.
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# A missing tool fails under CI, which must check everything, and skips elsewhere.
missing() {
    if [ "${CI:-}" = true ]; then
        echo "FAIL: missing $*: bash scripts/install-deps.sh" >&2
        exit 1
    fi
    echo "SKIP: missing $*: bash scripts/install-deps.sh" >&2
    exit 77
}

require_tools() {
    local absent=()
    for tool in "$@"; do
        command -v "$tool" >/dev/null || absent+=("$tool")
    done
    [ ${#absent[@]} -eq 0 ] || missing "${absent[*]}"
}

finish() {
    if [ "$failures" -gt 0 ]; then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "all checks passed"
}
