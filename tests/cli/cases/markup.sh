# The markup command: one line per parsed element, CR LF kept.

printf 'Hi <B>there</B>&amp;<BR>' > "$work/hi.txt"
CLI_INPUT=$work/hi.txt
check "markup: standard input" 0 markup < <(printf '%s\r\n' 'TEXT: |Hi |' '<B> ' 'TEXT: |there|' '</B> ' '<SPCHR> ' \
    '<BR> ' 'TEXT: ||')
unset CLI_INPUT

printf '<FONT SIZE=+2 COLOR=#FF0000>Hello\r\nworld</FONT>\n<IMG SRC=pic WIDTH=10><A HREF="x y">go</A>' > "$work/doc.txt"
check "markup: FILE" 0 markup "$work/doc.txt" < <(printf '%s\r\n' '<FONT>  FACE= SIZE=+2 COLOR=ff0000 BGCOLOR=' \
    'TEXT: |Hello world|' '</FONT> ' 'TEXT: | |' \
    '<IMG>  SRC=pic WIDTH=10 HEIGHT=-1 SUBX=0 SUBY=0 SUBWIDTH=-1 SUBHEIGHT=-1' '<A>  HREF=x y' 'TEXT: |go|' '</A> ' \
    'TEXT: ||')

printf '\351t\351 &szlig; &#255;' > "$work/latin1.txt"
check "markup: bytes 128 to 255 pass through" 0 markup "$work/latin1.txt" < <(printf '%s\r\n' $'TEXT: |\351t\351 |' \
    '<SPCHR> ' 'TEXT: | |' '<SPCHR> ' 'TEXT: ||')

printf 'a\0<B>' > "$work/zero-byte.txt"
check "markup: ends at the first zero byte" 0 markup "$work/zero-byte.txt" < <(printf 'TEXT: |a|\r\n')

: > "$work/empty.txt"
check "markup: empty input" 0 markup "$work/empty.txt" < <(printf 'TEXT: ||\r\n')

printf 'x &y z' > "$work/open.txt"
check "markup: unfinished entity dropped" 0 markup "$work/open.txt" < <(printf 'TEXT: |x |\r\n')

printf '%0300d<BR>' 0 > "$work/long.txt"
check "markup: a long line is cut at 255 characters" 0 markup "$work/long.txt" < <(printf 'TEXT: |%0248d<BR> \r\nTEXT: ||\r\n' 0)

check "markup: unreadable FILE" 2 markup "$work/missing.txt" </dev/null
check_stderr "markup: unreadable FILE message" "tintwick-cli: cannot read $work/missing.txt: "

check "markup: two files" 2 markup "$work/hi.txt" "$work/doc.txt" </dev/null
check_stderr "markup: two files message" "tintwick-cli: wrong arguments for 'markup'"

check "markup: an option" 2 markup --verbose </dev/null
check_stderr "markup: option message" "tintwick-cli: wrong arguments for 'markup'"
