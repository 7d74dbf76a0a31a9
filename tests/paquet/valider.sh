#!/bin/sh
# Runs a validator on files and fails on any complaint, even one it calls a hint or a warning.
# Skips (77) when the validator is not installed: `make deps` installs it.
outil=$1
if ! command -v "$outil" >/dev/null 2>&1; then
    echo "SKIP: $outil is not installed (make deps installs it)"
    exit 77
fi
sortie=$(LC_ALL=C.UTF-8 "$@" 2>&1)
code=$?
printf '%s\n' "$sortie"
if [ $code -ne 0 ]; then exit $code; fi
# appstreamcli reports success in one line; anything else is a complaint.
reste=$(printf '%s\n' "$sortie" | grep -v -e '^$' -e 'Validation was successful' || true)
if [ -n "$reste" ]; then
    echo "FAIL: $outil has complaints"
    exit 1
fi
exit 0
