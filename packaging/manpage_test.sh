#!/bin/sh
# Every option that the command line's help names ($1 is the program) is
# described in the OPTIONS section of the manual page $2.
set -eu
described=$(sed -n '/^\.SH OPTIONS/,/^\.SH [^O]/p' "$2" |
    sed -n 's/^\.BI\{0,1\} \(\\-\\-[a-z\\-]*\).*/\1/p' | sed 's/\\-/-/g')
for o in $("$1" --help | grep -o -- '--[a-z-]*' | sort -u); do
    echo "$described" | grep -qx -- "$o" || { echo "not in the manual page: $o"; exit 1; }
done
