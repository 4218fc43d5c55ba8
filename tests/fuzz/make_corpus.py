#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets into corpus/<name>/.

Each target reads its input in parts (see the comment at the top of each
fuzz_<name>.cpp); the seeds here follow those layouts. The folders are
rewritten as a whole, so a new seed (an input that once broke a target,
say) belongs in this script. Run from anywhere:
    python3 tests/fuzz/make_corpus.py
"""
import hashlib
import pathlib
import struct

here = pathlib.Path(__file__).resolve().parent
data = here.parent.parent / "data"


def lng(name):
    return (data / name).read_bytes()


def sizing(mode=0, delta=0):
    return bytes([mode, delta & 0xFF])


PADDED = 0x0F  # low four bits set: padded to the limit + delta


def write(target, seeds):
    folder = here / "corpus" / target
    folder.mkdir(parents=True, exist_ok=True)
    for old in folder.iterdir():
        old.unlink()
    for name, content in seeds.items():
        (folder / name).write_bytes(content)


small_ini = (b"; choice of language\r\n[Language]\r\nCurrentLanguage=Italiano\r\n"
             b"[Strings]\r\n0001=\"Vuoi uscire?\"\r\n  0002  =   Esatti   \r\n0003='Errati'\r\n"
             b"0004=\"mismatched'\r\n0005=\r\n[FormMenu]\r\nCommand1.Caption=\"Esci\"\r\n"
             b"Label2(1).Caption=centinaia\r\n[strings]\r\n0001=second\r\n")
odd_ini = {
    "lf": b"[A]\nk=v\nother = \"x\"\n",
    "cr": b"[A]\rk=v\r[B]\rk=w",
    "bom": b"\xef\xbb\xbf[Strings]\r\n0001=\"bom\"\r\n",
    "double-bom": b"\xef\xbb\xbf\xef\xbb\xbf[Strings]\r\n0001=\"two\"\r\n",
    "triple-bom": b"\xef\xbb\xbf" * 3 + b"[Strings]\r\n0001=\"three\"\r\n",
    "cp1252": b"[FormMenu]\r\nLabel4.Caption=unit\xe0 \x80\r\n",
    "nul": b"[Strings]\r\n00\x0001=\"a\x00b\"\r\n",
    "unclosed": b"[Strings\r\n0001=x\r\n[ Strings ]\r\n0001 = y\r\n",
    "long": b"[S]\r\nk=" + b"x" * 600 + b"\r\n",
    "surrogate": b"[S]\r\nk=" + b"x" * 510 + "\U0001F600".encode() + b"\r\n",
    # Counting the lines of an empty file once handed memchr no data at all.
    "empty": b"",
}

write("ini_read", {
    "small": b"Strings\n0001\n" + sizing() + small_ini,
    "menu": b"FormMenu\nCommand1.Caption\n" + sizing() + small_ini,
    "italiano": b"FormMenu\nLabel4.Caption\n" + sizing() + lng("Italiano.lng"),
    "deutsch": b"Strings\n0000\n" + sizing() + lng("Deutsch.lng"),
    "pad-lines-at": b"Strings\n0001\n" + sizing(PADDED, 0) + small_ini,
    "pad-lines-over": b"Strings\n0001\n" + sizing(PADDED, 1) + small_ini,
    "pad-before-over": b"Strings\n0001\n" + sizing(PADDED | 0x40, 1) + small_ini,
    "pad-blanks-over": b"Strings\n0001\n" + sizing(PADDED | 0x10, 1) + small_ini,
    "pad-nul-under": b"Strings\n0001\n" + sizing(PADDED | 0x20, -1) + small_ini,
    "pad-copies-over": b"FormMenu\nCommand1.Caption\n" + sizing(PADDED | 0x30, 5) + small_ini,
    **{name: b"S\nk\n" + sizing() + content for name, content in odd_ini.items()},
})

write("ini_rules", {
    "small": b"Strings\n0001\nnew value\nFormMenu\nCommand1.Caption\n" + small_ini,
    "new-section": b"Nuova\nchiave\n\"quoted\"\nStrings\n0002\n" + small_ini,
    "blanks": b" strings \n 0002 \n  spaced  \nLanguage\nCurrentLanguage\n" + small_ini,
    "shqip": b"Strings\n0001\nPo\nFormMenu\nLabel4.Caption\n" + lng("Shqip.lng"),
    **{name: b"S\nk\nv\nA\nk\n" + content for name, content in odd_ini.items()},
})

write("ini_write", {
    "small": b"Language\nCurrentLanguage\nEnglish\n" + sizing() + small_ini,
    "new-key": b"Strings\n0099\n\"quoted\"\n" + sizing() + small_ini,
    "new-section": b"Nuova\nk\nvalue\n" + sizing() + small_ini,
    "english": b"FormMenu\nCommand1.Caption\nQuit\n" + sizing() + lng("English.lng"),
    "near-limit": b"Strings\n0001\nx\n" + sizing(PADDED, -20) + small_ini,
    # A rewrite once lost the key it wrote to a file that began with three
    # byte order marks.
    "triple-bom-strings": b"Strings\nnuova\nv\n" + sizing() + b"\xef\xbb\xbf" * 3 + b"[Strings]\r\n0001=\"two\"\r\n",
    **{name: b"S\nk\nv\n" + sizing() + content for name, content in odd_ini.items()},
})

menu = (b"[FormMenu]\r\nFormMenu.Caption=\"Menu\"\r\nFormMenu.Tag=\"t\"\r\nLabel4.Caption=\"units\"\r\n"
        b"Command1.Caption=\"Quit\"\r\nCommand1.ToolTipText=\"Leave\"\r\nCommand21.Tag=\"@x\"\r\n"
        b"mnuLanguages.Caption=\"Language\"\r\nmnuLanguage(0).Caption=\"first\"\r\nCheck1.Caption=\"\"\r\n")
write("translate", {
    **{p.stem: sizing() + p.read_bytes() for p in sorted(data.glob("*.lng"))},
    "menu": sizing() + menu,
    "menu-large": sizing(PADDED | 0x40, 3) + menu,
    "menu-at-limit": sizing(PADDED | 0x40, 0) + menu,
    "empty": sizing(),
})

write("framesettings", {
    "saved": sizing() + b"3\r\n18\r\n",
    "defaults": sizing() + b"6\r\n9\r\n",
    "commas": sizing() + b" 2 , 10 ,7",
    "signs": sizing() + b"+4\t-0\r\n",
    "bom": sizing() + b"\xef\xbb\xbf1\n1\n",
    "huge-number": sizing() + b"99999999999999999999\r\n5\r\n",
    "letters": sizing() + b"3x\r\n5\r\n",
    "at-bound": sizing(PADDED | 0x10, 0) + b"5\r\n7\r\n",
    "over-bound": sizing(PADDED | 0x10, 1) + b"5\r\n7\r\n",
    "nul-over": sizing(PADDED | 0x20, 1) + b"5\r\n7\r\n",
})


def answer(mode, separator, number, text):
    return bytes([mode]) + separator + b"\n" + struct.pack("<q", number) + text.encode()


write("answerrules", {
    "italian-grouped": answer(0x08, b"", 1234, "1.234"),
    "french": answer(0x02, b"", 1234567, "1\u202f234\u202f567"),
    "albanian": answer(0x0B, b"", 120005, " 120\u00a0005 "),
    "blanks": answer(0x0C, b"", 98765, "98 765"),
    "hex": answer(0x08, b"", 31, "&H1F"),
    "octal": answer(0x08, b"", 15, "&o17"),
    "exponent": answer(0x08, b"", 700, "7 E 2"),
    "fraction": answer(0x09, b"", 7, "7.25d-1"),
    "custom": answer(0x07, b"'", 1000000, "1'000'000"),
    "swiss": answer(0x06, b"", 12345, "12\u2019345"),
    "swiss-plain": answer(0x06, b"", 1234567, "1'234\u2019567"),
    "negative": answer(0x08, b"", -1234, "-1.234"),
    "huge": answer(0x00, b"", -(2 ** 63), "-9.223.372.036.854.775.808"),
    "overflow-exponent": answer(0x08, b"", 0, "1e999999999999"),
})


def words(lingua, first, second, text):
    return bytes([lingua & 0xFF]) + struct.pack("<qq", first, second) + text.encode()


write("numeroinlettere", {
    "zero": words(1, 0, 1, "0"),
    "twelve-digits": words(2, 999999999999, 1000000000000, "999999999999"),
    "plus": words(3, 21, 71, "+5"),
    "minus-zero": words(4, 1, 1000001, "-0"),
    "blanks": words(5, 100, 101, " 42 "),
    "thousands": words(6, 1000, 2000, "1.000"),
    "exponent": words(1, 80, 81, "1e3"),
    "full-width": words(2, 17, 70, "\uff11\uff12"),
    "thirteen": words(0, -1, 10 ** 13, "1234567890123"),
    "bad-code": words(9, 123456789012, 987654321098, "987654321098"),
})
