#!/usr/bin/env python3
"""Writes golden.txt: every command and key after a set of starting states,
then Undo Last and Restore Input, run through quarnel-cli. One case a line:
standard input, a tab, standard output ("\\n" stands for a line break).
Run it only to record a change of output on purpose: make_golden.py <quarnel-cli>"""
import pathlib, subprocess, sys

COMMANDS = """0 1 2 9 A F ENT + - * DIV AND OR XOR NOT NEG SL SR ASR SLB SRB RL RR RLB RRB
HEX DEC BIN OCT STWS RCWS DROP DUP SWAP DEL CLR VIEW Undo Restore Edit Dup2 Drop2
DupN DropN Pick Roll RollD Over Keep Rotate Echo Depth Maximum SetMax Numbering
CloseView""".split()
KEYS = """Enter Escape PageUp PageDown Delete & O X KP* KP+ KP- KP/ N F9 L I Z M Q R J K
Y S V T W F3 F4 F5 F6""".split()
STARTS = ["", "5", "1 [ENT]", "1 [ENT] 2", "7 [ENT] 2 [ENT] 0", "1 [ENT] 2 [ENT] 3 [ENT]",
          "1 [ENT] 2 [ENT] 3 [ENT] 4", "4 [ENT] 5 [ENT] 6 [ENT] 2", "4 [ENT] 5 [ENT] 6 [ENT] 3 [ENT]",
          "[DEC] 9 [ENT] 7 [ENT] 0", "[DROP] 5 [ENT] 6", "8 [STWS] FF [ENT] 81 [ENT]",
          "[BIN] 101 [ENT] 11", "[OCT] 17 [ENT] 7", "6 [SetMax] 1 [ENT] 2 [ENT] 3 [ENT] 4 [ENT]",
          "2 [ENT] 3 [ENT] 4 [ENT] -1", "8 [STWS] 5 [ENT] 100", "1 [ENT] 2 [ENT] 3 [ENT] 0 [ENT]"]
EXTRA = ["[DEC] 100 [ENT] 25 [-] 3 [*] [HEX] [DUP] [NOT] [RCWS]\n8 [STWS] [VIEW] [CloseView]",
         "8 [STWS] 5 [ENT] 100 [DIV] [Depth] [Restore]",
         "5 [ENT] 3 <&>\n31\n<KP+> <n>\n<PageUp> <Delete> <S>",
         "[Numbering] 1 [ENT] 2 [ENT] [VIEW]",
         "1 [ENT] 2 [ENT] 3 [ENT] 4 [ENT] 2 [Roll]\n3 [RollD] [Over] [Rotate]\n[Undo] [Dup2] [Echo] [Edit]\n"
         "[Depth] [ENT] 2 [Keep] [Maximum] 5 [SetMax] [Maximum]",
         "FF [ENT] 10 [DEC] [A] [2] <F5>", "[DEC] 12G", "1 [ENT] 2 [ENT] [VIEW] [HEX] [DROP] [Undo]",
         "0 [SetMax] 1 [ENT] [Edit] [Edit] [CLR] [Undo] [Undo]", "1 [ENT] 2 [ENT] 2 [Keep] [Undo]",
         "123456789ABCDEF0123 [ENT] [DUP] [*] [DUP] [*] [VIEW] 3 [STWS] [RCWS]",
         "[DEC] 3 [ENT] 4 [+] [BIN] [OCT] [HEX] [Undo] [Restore] [Echo] [Echo] [ENT]",
         "0 [NOT] [BIN] [VIEW]\n[CloseView] [DUP] 80 [STWS] [NEG] [VIEW]",
         "5 [SetMax] 1 [ENT] 2 [ENT] 3 [ENT] 4 [ENT] 5 [ENT] 6 [ENT] 7 [ENT] [Undo] [Depth]",
         "1 [ENT] 2 [ENT] 3 [ENT] 4 [ENT] 5 [ENT] 6 [ENT] 7 [ENT] 5 [SetMax] [Undo] [Depth] 0 [SetMax] [Maximum]",
         "0 [STWS] [RCWS] 200 [STWS] [RCWS] 1 [STWS] [RCWS] 3 [ENT] 7 [Drop2] 5 [Pick]",
         "1 [ENT] 0 [ENT] [DIV] [CLR] [Undo] 00 [DIV] [Restore]"]

def cases():
    for start in STARTS:
        for name in COMMANDS:
            yield f"{start}\n[{name}]\n[Undo]\n[Restore] [Undo] [ENT]"
        for key in KEYS:
            yield f"{start}\n<{key}>\n[Undo] [Restore]"
    yield from EXTRA

def main():
    cli = sys.argv[1]
    lines = []
    for script in cases():
        out = subprocess.run([cli], input=script + "\n", capture_output=True, text=True, check=True)
        lines.append(script.replace("\n", "\\n") + "\t" + out.stdout.replace("\n", "\\n"))
    pathlib.Path(__file__).with_name("golden.txt").write_text("\n".join(lines) + "\n")

main()
