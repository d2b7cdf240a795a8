#!/bin/sh
# Usage: check_exports.sh LIBRARY NAME...
# Fails unless the library's defined dynamic symbols are exactly the given names.
library=$1
shift
expected=$(printf '%s\n' "$@" | sort)
actual=$(nm -D --defined-only "$library" | awk '{ print $3 }' | sort)
if [ "$expected" != "$actual" ]; then
    echo "exported symbols of $library differ from the interface:"
    printf 'expected:\n%s\nactual:\n%s\n' "$expected" "$actual"
    exit 1
fi
