# Color commands of the companion.
T=$'\t'

check "name: the examples" 0 name 7fff00 83ff00 1e90ff '#C86432' <<OUT
7fff00${T}RGB (127, 255, 0)${T}Lawn-Green
83ff00${T}RGB (131, 255, 0)${T}Chartreuse
1e90ff${T}RGB (30, 144, 255)${T}Dodger Blue
c86432${T}RGB (200, 100, 50)${T}not found
OUT

check "name: a bad color is reported, the rest answered" 2 name 000000 12345 zz0000 ffffff <<OUT
000000${T}RGB (0, 0, 0)${T}Black
ffffff${T}RGB (255, 255, 255)${T}White
OUT
check_stderr "name: bad color message" "tintwick-cli: not a color: 12345"
check_stderr "name: second bad color message" "tintwick-cli: not a color: zz0000"

printf '# mine\r\n123456, Mine\r\n' > "$work/mine.txt"
check "name: --table" 0 name --table "$work/mine.txt" 123456 000000 <<OUT
123456${T}RGB (18, 52, 86)${T}Mine
000000${T}RGB (0, 0, 0)${T}not found
OUT

check "name: unreadable table" 2 name --table "$work/missing.txt" 000000 </dev/null
check_stderr "name: unreadable table message" "tintwick-cli: cannot read $work/missing.txt: "

printf '1FF0000, Seven\r\nzz, Bad\r\nno comma\r\n' > "$work/odd.txt"
check "table: odd rows" 0 table "$work/odd.txt" <<OUT
0${T}ff0000${T}Seven
1${T}000000${T}Bad
2${T}000000${T}
OUT

run_cli table > "$work/table.out"
if [[ $(wc -l < "$work/table.out") -eq 138 && $(head -1 "$work/table.out") == "0${T}000000${T}Black" &&
      $(tail -1 "$work/table.out") == "137${T}ffffff${T}White" ]]; then passed=$((passed + 1)); else
    echo "FAIL table: built-in listing"; head -3 "$work/table.out"; failed=$((failed + 1)); fi

check "analyze: built-in table" 0 analyze <<OUT
[Overlap Found!]
A  =  RGB (124, 252, 0)  =  Lawn-Green
B  =  RGB (127, 255, 0)  =  Chartreuse
---
[Overlap Found!]
A  =  RGB (127, 255, 0)  =  Chartreuse
B  =  RGB (124, 252, 0)  =  Lawn-Green
---
[TTintwickDlg::AnalyzeColorNamesDistribution]
Total number of entries in color table:  138

Color tolerance radius:  4
Number of overlaps found:  1

Total color spectrum combinations ( 255 * 255 * 255 ):  16581375
Color spectrum combinations covered:  100602  ( 0.606717% )
Combinations covered per color entry: 729  ( 0.004396% )
---
OUT

check "unknown command" 2 frobnicate </dev/null
check_stderr "unknown command prints usage" "usage: tintwick-cli"
check "no command" 2 </dev/null
run_cli --help > "$work/help" 2>&1
if grep -q "usage: tintwick-cli" "$work/help"; then passed=$((passed + 1)); else echo "FAIL --help"; failed=$((failed + 1)); fi
