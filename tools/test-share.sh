#!/bin/sh
# Test lines over code lines: non-blank, non-comment lines of tests/ against
# src/ and tools/ (.cpp and .h), leaving out generated data tables (any file whose
# first line says "GENERATED FILE"); hand-compiled tables count as code. The
# project keeps the share at or under a third.
cd "$(dirname "$0")/.." || exit 1

# Non-blank lines outside // and /* */ comments (and # comments in scripts).
count() {
  awk '
    FNR == 1 { block = 0; hash = (FILENAME ~ /\.(vrs|txt|sh)$/) }
    {
      line = $0
      if (block) { i = index(line, "*/"); if (!i) next; line = substr(line, i + 2); block = 0 }
      while ((i = index(line, "/*")) && !hash) {
        rest = substr(line, i + 2); j = index(rest, "*/")
        if (!j) { line = substr(line, 1, i - 1); block = 1; break }
        line = substr(line, 1, i - 1) " " substr(rest, j + 2)
      }
      gsub(/^[ \t]+|[ \t\r]+$/, "", line)
      if (line == "" || line ~ /^\/\// || (hash && line ~ /^#/)) next
      n++
    }
    END { print n + 0 }' "$@" /dev/null
}

tests=$(find tests -type f | sort)
code=$(find src tools -type f \( -name '*.cpp' -o -name '*.h' \) | sort |
  while read -r f; do head -n 1 "$f" | grep -q 'GENERATED FILE' || echo "$f"; done)

t=$(count $tests)
c=$(count $code)
echo "test lines: $t"
echo "code lines: $c"
awk -v t="$t" -v c="$c" 'BEGIN { printf "share: %.1f%% (at most 33%%)\n", 100 * t / c; exit (100 * t > 33 * c) }'
