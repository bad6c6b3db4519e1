# The layout command: what the fixed-metric device draws, then the links; one TAB between fields.
T=$'\t'
base="MS Sans Serif,13,0,0,0,0${T}000000${T}ffffff"

printf 'Hi <B>there</B> <A HREF="x">link</A>' > "$work/example.txt"
CLI_INPUT=$work/example.txt
check "layout: the example" 0 layout --width 100 < <(printf 'text\t5\t13\tMS Sans Serif,13,0,0,0,0\t000000\tffffff\tHi \ntext\t23\t13\tMS Sans Serif,13,700,0,0,0\t000000\tffffff\tthere\ntext\t58\t13\tMS Sans Serif,13,0,0,0,0\t000000\tffffff\t \ntext\t64\t13\tMS Sans Serif,13,400,0,1,0\t0000ff\tffffff\tlink\nlink\t64\t3\t88\t16\tx\n')
unset CLI_INPUT

: > "$work/empty.txt"
check "layout: an empty document prints nothing" 0 layout "$work/empty.txt" </dev/null

printf 'ab cd efgh' > "$work/words.txt"
check "layout: default width 300" 0 layout "$work/words.txt" <<OUT
text${T}5${T}13${T}${base}${T}ab 
text${T}23${T}13${T}${base}${T}cd 
text${T}41${T}13${T}${base}${T}efgh
OUT

check "layout: wrap at the width less 5" 0 layout --width 64 "$work/words.txt" <<OUT
text${T}5${T}13${T}${base}${T}ab 
text${T}23${T}13${T}${base}${T}cd 
text${T}5${T}26${T}${base}${T}efgh
OUT

check "layout: negative width and high resolution" 0 layout --dpi 120 --width -2147483648 "$work/words.txt" <<OUT
text${T}5${T}32${T}MS Sans Serif,16,0,0,0,0${T}000000${T}ffffff${T}ab 
text${T}5${T}48${T}MS Sans Serif,16,0,0,0,0${T}000000${T}ffffff${T}cd 
text${T}5${T}64${T}MS Sans Serif,16,0,0,0,0${T}000000${T}ffffff${T}efgh
OUT

printf 'a<TAB>b<BR>c<SUP>d</SUP>e' > "$work/moves.txt"
check "layout: tab stop, break, superscript" 0 layout "$work/moves.txt" <<OUT
text${T}5${T}13${T}${base}${T}a
text${T}35${T}13${T}${base}${T}b
text${T}5${T}26${T}${base}${T}c
text${T}11${T}23${T}MS Sans Serif,8,0,0,0,0${T}000000${T}ffffff${T}d
text${T}15${T}25${T}${base}${T}e
OUT

printf '<FONT COLOR=#FF8000 BGCOLOR=#000080>x</FONT>' > "$work/colors.txt"
check "layout: FONT colors are shown red first" 0 layout "$work/colors.txt" <<OUT
text${T}5${T}13${T}${base%%${T}*}${T}ff8000${T}000080${T}x
OUT

# A 40 x 30 bitmap with a 12-byte header; relative names are opened from the working directory.
printf 'BM\0\0\0\0\0\0\0\0\032\0\0\0\014\0\0\0\050\0\036\0\001\0\030\0' > "$work/pic.bmp"
printf 'a<IMG SRC=pic.bmp>b<IMG SRC=pic.bmp WIDTH=0 SUBX=5>c<IMG SRC=nope.bmp>d' > "$work/images.txt"
pushd "$work" > /dev/null
check "layout: images and the error text" 0 layout images.txt <<OUT
text${T}5${T}13${T}${base}${T}a
image${T}11${T}-15${T}40${T}30${T}0${T}0${T}40${T}30${T}pic.bmp
text${T}51${T}13${T}${base}${T}b
image${T}57${T}-15${T}0${T}30${T}5${T}0${T}35${T}30${T}pic.bmp
text${T}57${T}13${T}${base}${T}c
text${T}63${T}13${T}${base}${T}<< IMAGE ERROR! >>
text${T}63${T}13${T}${base}${T}d
OUT
popd > /dev/null

printf '<FONT SIZE=40><A>x</A></FONT><A HREF="a b">y</A>' > "$work/links.txt"
check "layout: an empty href ends its line with the TAB; a negative top" 0 layout "$work/links.txt" <<OUT
text${T}5${T}13${T}MS Sans Serif,40,0,0,1,0${T}0000ff${T}ffffff${T}x
text${T}25${T}13${T}MS Sans Serif,40,0,0,1,0${T}0000ff${T}ffffff${T}y
link${T}5${T}-24${T}25${T}16${T}
link${T}25${T}3${T}45${T}16${T}a b
OUT

printf '&#9;&#10;&#0;<FONT FACE="a\001b">z' > "$work/raw.txt"
check "layout: control characters are written raw" 0 layout "$work/raw.txt" < <(printf 'text\t5\t13\t%s\t\t\ntext\t11\t13\t%s\t\n\ntext\t17\t13\t%s\t\0\ntext\t23\t13\ta\001b,13,0,0,0,0\t000000\tffffff\tz\n' "$base" "$base" "$base")

printf '<FONT FACE=ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn>x' > "$work/face.txt"
check "layout: a face is cut at 31 characters" 0 layout "$work/face.txt" <<OUT
text${T}5${T}13${T}ABCDEFGHIJKLMNOPQRSTUVWXYZabcde,13,0,0,0,0${T}000000${T}ffffff${T}x
OUT

printf 'a\0<B>b' > "$work/zero-byte.txt"
check "layout: markup ends at the first zero byte" 0 layout "$work/zero-byte.txt" <<OUT
text${T}5${T}13${T}${base}${T}a
OUT

printf 'a\r\nb\032c' > "$work/binary.txt"
check "layout: FILE: no line-end translation, no end at Ctrl-Z" 0 layout "$work/binary.txt" < <(printf 'text\t5\t13\t%s\ta \ntext\t17\t13\t%s\tb\032c\n' "$base" "$base")
CLI_INPUT=$work/binary.txt
check "layout: standard input is binary too" 0 layout < <(printf 'text\t5\t13\t%s\ta \ntext\t17\t13\t%s\tb\032c\n' "$base" "$base")
unset CLI_INPUT

check "layout: --width not a number" 2 layout --width abc "$work/words.txt" </dev/null
check_stderr "layout: --width message" "tintwick-cli: layout: --width takes a whole number from -2147483648 to 2147483647, not 'abc'"
check "layout: --width out of range" 2 layout --width 2147483648 "$work/words.txt" </dev/null
check "layout: --dpi 0" 2 layout --dpi 0 "$work/words.txt" </dev/null
check_stderr "layout: --dpi message" "tintwick-cli: layout: --dpi takes a whole number from 1 to 100000, not '0'"
check "layout: --dpi too large" 2 layout --dpi 100001 "$work/words.txt" </dev/null
check "layout: --dpi without a value" 2 layout "$work/words.txt" --dpi </dev/null
check_stderr "layout: missing value message" "tintwick-cli: layout: --dpi needs a value"
check "layout: unknown option" 2 layout --height 5 </dev/null
check_stderr "layout: unknown option message" "tintwick-cli: layout: unknown option '--height'"
check "layout: two files" 2 layout "$work/words.txt" "$work/words.txt" </dev/null
check_stderr "layout: two files message" "tintwick-cli: layout: only one FILE may be given"
check "layout: unreadable FILE" 2 layout "$work/missing.txt" </dev/null
check_stderr "layout: unreadable FILE message" "tintwick-cli: cannot read $work/missing.txt: "
