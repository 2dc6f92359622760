#!/usr/bin/env python3
"""Writes the club-file fixtures of the store tests: one valid file and one
file per kind of damage. The sums are computed here, apart from the store
code, so the fixtures also check that code's arithmetic."""
import os

K = 357
EMPTY = b"#" * 37 + b" " + b"#" * 21


def sums(body16):
    data = b"".join(body16)
    assert len(data) == 583
    s1 = sum(data)
    s2 = sum(b for i, b in enumerate(data, 1) if i % 2 == 0)
    s3 = sum(b for i, b in enumerate(data, 1) if i % 3 == 0)
    return b"%06d%06d%06d" % (s1, s2, s3)


def member(name, rating, hands, score, password):
    enc = b"".join(b"%03d" % (c + K) for c in password.ljust(5, b" "))
    line = name.ljust(20, b" ") + rating.rjust(10, b" ") + b"%7d" % hands + b" " + b"%6d" % score + enc
    assert len(line) == 59
    return line


def top(name, score):
    line = name.ljust(20, b" ") + b"%6d" % score
    assert len(line) == 26
    return line


def valid_lines(stamp=b"0Q5700tst0"):
    lines = [
        member(b"Anna Berg", b"2,500000", 45, 12, b"rose"),
        member("Борис".encode("cp1251"), b"0,000000", 3, -4, b"12345"),
        member(b"Mr.X", b"-1,250000", 8, -10, b""),
        EMPTY,
        EMPTY,
    ]
    lines += [top(b"Top %d" % n, 60 - 5 * n) for n in range(1, 11)]
    lines.append(b"\x92}" + b"fixture mark tail".ljust(26, b" "))
    lines.append(stamp + sums(lines))
    return lines


def write(name, lines, end=b"\r\n", raw=None):
    data = raw if raw is not None else b"".join(l + end for l in lines)
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), name), "wb") as f:
        f.write(data)


def resealed(lines):
    lines = list(lines)
    lines[16] = lines[16][:10] + sums(lines[:16])
    return lines


def main():
    good = valid_lines()
    write("valid.clb", good)
    write("valid_lf_ends.clb", good, end=b"\n")
    write("valid_no_last_end.clb", None, raw=b"\r\n".join(good))
    write("russian_stamp.clb", valid_lines(stamp=b"1Q5700tst0"))

    write("empty.clb", None, raw=b"")
    write("sixteen_lines.clb", good[:16])
    write("extra_blank_line.clb", good + [b""])
    long_line = list(good)
    long_line[2] = long_line[2] + b" "
    write("long_member_line.clb", long_line)
    short = list(good)
    short[7] = short[7][:25]
    write("short_topten_line.clb", short)
    edited = list(good)
    edited[0] = b"Anna Burg" + edited[0][9:]
    write("edited_name.clb", edited)
    tail = list(good)
    tail[15] = tail[15][:9] + b"X" + tail[15][10:]
    write("edited_mark_tail.clb", tail)
    swapped = list(good)
    swapped[5] = b"oTp" + swapped[5][3:]
    write("swapped_characters.clb", swapped)
    bad_digit = list(good)
    bad_digit[16] = bad_digit[16][:18] + b"x" + bad_digit[16][19:]
    write("non_numeric_sum.clb", bad_digit)
    no_mark = list(good)
    no_mark[15] = b"'}" + no_mark[15][2:]
    write("no_mark.clb", resealed(no_mark))
    wrong_brace = list(good)
    wrong_brace[15] = b"\x92{" + wrong_brace[15][2:]
    write("wrong_mark_brace.clb", resealed(wrong_brace))
    russian_edited = valid_lines(stamp=b"1Q5700tst0")
    russian_edited[1] = russian_edited[1][:21] + b"9" + russian_edited[1][22:]
    write("russian_stamp_edited.clb", russian_edited)
    write("utf8_saved.clb", None, raw=b"".join(l + b"\r\n" for l in good).decode("cp1251").encode("utf-8"))
    write("utf8_bom.clb", None, raw=b"\xef\xbb\xbf" + b"".join(l + b"\r\n" for l in good))
    write("cr_only_ends.clb", good, end=b"\r")
    write("binary_garbage.clb", None, raw=bytes((i * 131 + 7) % 256 for i in range(700)))


if __name__ == "__main__":
    main()
