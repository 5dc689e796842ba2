#!/usr/bin/env python3
"""Writes the inputs of cli_vs.sh: for each case a quarnel-cli script and the
same work as a dc program. masked_rpn.py reads the quarnel-cli script itself.

Cases (N is each of the sizes given):
  addmul-WS-N      N operations cycling + and *, on WS-bit values (64, 128)
  addmulxor-WS-N   N operations cycling +, * and XOR
  push-N           N values pushed with ENT
  token-N          one typed token of N hexadecimal digits
each in two layouts: "line" (every token on one line, so the display is
printed once) and "tokens" (one token a line, the display after each).
dc prints the result at the end; it has no XOR: its programs use a
bit-by-bit macro for it.
"""

import argparse
import os
import random


def hex_value(rng, bits):
    # Full-width values, so every product and sum is reduced.
    return format(rng.getrandbits(bits) | (1 << (bits - 1)), "X")


def operation_tokens(rng, ops, bits, count):
    tokens = []
    if bits != 64:
        tokens += [str(bits), "[STWS]"]
    tokens += [hex_value(rng, bits), "[ENT]"]
    for i in range(count):
        tokens += [hex_value(rng, bits), ops[i % len(ops)]]
    return tokens


def push_tokens(rng, count):
    tokens = []
    for _ in range(count):
        tokens += [hex_value(rng, 64), "[ENT]"]
    return tokens


def token_tokens(rng, length):
    digits = "0123456789ABCDEFabcdef"
    return ["1" + "".join(rng.choice(digits) for _ in range(length - 1))]


DC_XOR = (
    # x y -> x XOR y, one bit a turn: r accumulates, p is the place value.
    "[la2%lb2%+2%lp*lr+srla2/salb2/sblp2*splalb+0<L]sL"
    "[sbsa0sr1splalb+0<Llr]sX"
)


def dc_program(tokens, layout):
    """The same work in dc: values in hexadecimal, each result reduced."""
    out = [DC_XOR, "2 64^sm"]
    words = {"[+]": "+lm%", "[*]": "*lm%", "[XOR]": "lXx", "[ENT]": ""}
    body = []
    i = 0
    while i < len(tokens):
        token = tokens[i]
        if i + 1 < len(tokens) and tokens[i + 1] == "[STWS]":
            # The word size is typed in decimal, before the radix changes.
            out.append("2 %d^sm" % int(token))
            i += 2
            continue
        body.append(words[token] if token in words else token.upper() + " ")
        i += 1
    out.append("16o16i")  # o first: after i, "16" is read in hexadecimal
    out += body
    out.append("p")
    # One command a line, as the tokens came, or all on one.
    return ("\n" if layout == "tokens" else "").join(out) + "\n"


def write_case(directory, name, tokens):
    for layout in ("line", "tokens"):
        sep = " " if layout == "line" else "\n"
        with open(os.path.join(directory, "%s.%s.txt" % (name, layout)), "w") as f:
            f.write(sep.join(tokens) + "\n")
        with open(os.path.join(directory, "%s.%s.dc" % (name, layout)), "w") as f:
            f.write(dc_program(tokens, layout))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("directory")
    parser.add_argument("--sizes", default="1000,100000,1000000")
    parser.add_argument("--token", type=int, default=300000)
    args = parser.parse_args()
    os.makedirs(args.directory, exist_ok=True)
    rng = random.Random(20261207)
    for size in (int(s) for s in args.sizes.split(",")):
        for bits in (64, 128):
            write_case(args.directory, "addmul-%d-%d" % (bits, size),
                       operation_tokens(rng, ["[+]", "[*]"], bits, size))
            write_case(args.directory, "addmulxor-%d-%d" % (bits, size),
                       operation_tokens(rng, ["[+]", "[*]", "[XOR]"], bits, size))
        write_case(args.directory, "push-%d" % size, push_tokens(rng, size))
    write_case(args.directory, "token-%d" % args.token, token_tokens(rng, args.token))


if __name__ == "__main__":
    main()
