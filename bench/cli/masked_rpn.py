#!/usr/bin/env python3
"""The arithmetic of a quarnel-cli script on Python integers masked to the
word size: reads the same tokens from standard input and, like quarnel-cli,
prints after each input line (here only the top of the stack, or the typed
text still pending); with --last, only after the last line. Knows the tokens
the benchmark scripts use."""

import sys


def main():
    mask = (1 << 64) - 1
    stack = []
    pending = None  # typed text not yet used, as an int, and its text
    text = ""
    out = sys.stdout
    every_line = "--last" not in sys.argv[1:]
    line = ""
    for line in sys.stdin:
        for token in line.split():
            if token[0] != "[":
                text = token
                pending = int(token, 16)  # refuses what is not hexadecimal
            elif token == "[ENT]":
                stack.append(pending)
                pending = None
            elif token == "[STWS]":
                mask = (1 << int(text)) - 1
                pending = None
            else:
                second = pending if pending is not None else stack.pop()
                pending = None
                first = stack[-1]
                if token == "[+]":
                    stack[-1] = (first + second) & mask
                elif token == "[*]":
                    stack[-1] = (first * second) & mask
                elif token == "[XOR]":
                    stack[-1] = first ^ second
                else:
                    raise SystemExit("unknown token " + token)
        if every_line:
            show(out, pending, text, stack, mask)
    if not every_line and line:
        show(out, pending, text, stack, mask)


def show(out, pending, text, stack, mask):
    if pending is not None:
        out.write("> %s\n" % text)
    elif stack:
        out.write("%X\n" % (stack[-1] & mask))


if __name__ == "__main__":
    main()
