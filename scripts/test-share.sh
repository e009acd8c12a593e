#!/usr/bin/env bash
# Prints the size of the tests against the size of the product: non-blank,
# non-comment lines of the C++, JavaScript, Python and shell files tracked by
# git. Test lines are those under tests/ and in any other file whose name
# contains "test"; every other such file is product. The share is test lines
# divided by product lines; the project keeps it between 0.25 and 0.45.
set -euo pipefail
cd "$(dirname "$0")/.."

# Code lines of one file: blank lines and whole-line comments (// and /* */
# in C++ and JavaScript, # in Python and shell, but not a #! line or a C++
# preprocessor line) are not counted.
count_lines() {
  case "$1" in
    *.cpp | *.hpp | *.h | *.c | *.cc | *.js | *.mjs)
      awk '
        in_block { if (index($0, "*/")) in_block = 0; next }
        /^[ \t]*$/ { next }
        /^[ \t]*\/\// { next }
        /^[ \t]*\/\*/ { if (!index($0, "*/")) in_block = 1; next }
        { n++ }
        END { print n + 0 }' "$1" ;;
    *)
      awk '
        /^[ \t]*$/ { next }
        /^[ \t]*#/ && !/^#!/ { next }
        { n++ }
        END { print n + 0 }' "$1" ;;
  esac
}

tests=0
product=0
while IFS= read -r file; do
  lines=$(count_lines "$file")
  if [[ $file == tests/* || $(basename "$file") == *test* ]]; then
    tests=$((tests + lines))
  else
    product=$((product + lines))
  fi
done < <(git ls-files -- '*.cpp' '*.hpp' '*.h' '*.c' '*.cc' '*.js' '*.mjs' '*.py' '*.sh' '.ci/run' \
  | grep -v '^node_modules/')

share=$(awk -v t="$tests" -v p="$product" 'BEGIN { printf "%.2f", p ? t / p : 0 }')
echo "test lines: $tests, product lines: $product, share: $share (kept between 0.25 and 0.45)"
