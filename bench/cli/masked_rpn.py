#!/usr/bin/env python3
"""The arithmetic of a quarnel-cli script on Python integers masked to the
word size: reads the same tokens from standard input and, like quarnel-cli,
prints after each input line (here only the top of the stack, or the typed
text still pending). Knows the tokens the benchmark scripts use."""

import sys


def main():
    mask = (1 << 64) - 1
    stack = []
    pending = None  # typed text not yet used, as an int, and its text
    text = ""
    out = sys.stdout
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
        if pending is not None:
            out.write("> %s\n" % text)
        elif stack:
            out.write("%X\n" % (stack[-1] & mask))


if __name__ == "__main__":
    main()
