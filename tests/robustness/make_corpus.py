#!/usr/bin/env python3
"""Writes the hostile and damaged input files under corpus/.

Every file is made from the small "base" profile below, cut short or bent in
one named way, so a reader of HostileFilesTest.cpp can see how each file came
about. Run it from anywhere; it rewrites corpus/ beside this script. The output
is the same on every run (random bytes come from a fixed seed).
"""

import os
import random
import struct
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "corpus")


def i32(value):
    return struct.pack("<i", value)


def f32(value):
    return struct.pack("<f", value)


def text(value):
    return value.encode("utf-8") + b"\r\n"


# The base profile, field by field in file order. Each field is (label, bytes);
# a cut file keeps every field before the label and part of that one.
INCOME = [
    ("income.title", text("Wages")),
    ("income.customTitle", text("Job")),
    ("income.useCustom", i32(1)),
    ("income.frequency", i32(4)),
    ("income.startDay", i32(15)),
    ("income.startMonth", i32(2)),
    ("income.startYear", i32(2020)),
    ("income.noEndDate", i32(0)),
    ("income.bankIndex", i32(-1)),
    ("income.paidInCash", i32(1)),
    ("income.amount", f32(1234.5)),
    ("income.endDay", i32(31)),
    ("income.endMonth", i32(12)),
    ("income.endYear", i32(2030)),
]
EXPENSE = [
    ("expense.title", text("Rent")),
    ("expense.customTitle", text("")),
    ("expense.numbers", i32(0) + i32(4) + i32(5) + i32(1) + i32(2021) + i32(1)
     + i32(1) + i32(0) + f32(600.25) + i32(0) + i32(0) + i32(0)),
]
ACCOUNT = [
    ("account.accountName", text("Main")),
    ("account.accountType", i32(2)),
    ("account.bankName", text("Big Bank")),
    ("account.balance", f32(100.5)),
    ("account.overdraftLimit", f32(50.0)),
]
HISTORY = [
    ("history1.dateText", text("01/03/2024")),
    ("history1.actionText", text("Added income: Wages")),
    ("history2.dateText", text("02/03/2024")),
    ("history2.actionText", text("Deposit: 10.00->Main")),
    ("history.rest", b"\r\n" * (97 * 2)),
]
FIELDS = ([("profileName", text("Home")), ("incomeCount", i32(1)),
           ("expenseCount", i32(1)), ("bankCount", i32(1))]
          + INCOME + EXPENSE + ACCOUNT + HISTORY)
BASE = b"".join(data for _, data in FIELDS)


def cut_in(label, keep):
    """The base file up to field `label`, of which only `keep` bytes remain."""
    out = b""
    for name, data in FIELDS:
        if name == label:
            return out + data[:keep]
        out += data
    raise KeyError(label)


def header(name, incomes, expenses, accounts):
    return text(name) + i32(incomes) + i32(expenses) + i32(accounts)


def files():
    rnd = random.Random(8)
    yield "empty.cfp", b""
    yield "base.cfp", BASE
    yield "base with spaces.cfp", BASE
    yield "Kassenbuch Grüße €.cfp", BASE
    yield "trailing-garbage.cfp", BASE + b"\x00\xff garbage after the last history pair"

    # Cut inside each kind of field.
    yield "cut-in-name.cfp", cut_in("profileName", 2)
    yield "cut-after-name.cfp", cut_in("incomeCount", 0)
    yield "cut-in-income-count.cfp", cut_in("incomeCount", 2)
    yield "cut-in-expense-count.cfp", cut_in("expenseCount", 1)
    yield "cut-in-bank-count.cfp", cut_in("bankCount", 3)
    yield "cut-in-entry-title.cfp", cut_in("income.title", 2)
    yield "cut-in-entry-custom-title.cfp", cut_in("income.customTitle", 2)
    # Each number of an entry is cut after its first byte, the amount after
    # its third.
    for label, _ in INCOME[2:]:
        field = label.split(".")[1]
        keep = 3 if field == "amount" else 1
        yield "cut-in-entry-%s.cfp" % field, cut_in(label, keep)
    yield "cut-in-expense-numbers.cfp", cut_in("expense.numbers", 10)
    yield "cut-in-account-name.cfp", cut_in("account.accountName", 2)
    yield "cut-in-account-type.cfp", cut_in("account.accountType", 1)
    yield "cut-in-account-bank-name.cfp", cut_in("account.bankName", 3)
    yield "cut-in-account-balance.cfp", cut_in("account.balance", 3)
    yield "cut-in-account-overdraft.cfp", cut_in("account.overdraftLimit", 2)
    yield "cut-in-history-date.cfp", cut_in("history1.dateText", 5)
    yield "cut-in-history-action.cfp", cut_in("history1.actionText", 5)
    yield "cut-between-history-pairs.cfp", cut_in("history2.dateText", 0)

    # Counts no profile can hold, and the largest one it can.
    yield "count-101-incomes.cfp", header("Home", 101, 0, 0)
    yield "count-minus-1-expenses.cfp", header("Home", 0, -1, 0)
    yield "count-2147483647-accounts.cfp", header("Home", 0, 0, 2**31 - 1)
    yield "count-100-each-cut.cfp", header("Full", 100, 100, 100)

    # Line ends and text encodings.
    yield "nul-ends-name.cfp", b"Home\x00" + BASE[len(text("Home")):]
    yield "lone-lf-and-cr.cfp", b"Home\n" + i32(0) + i32(0) + i32(1) + b"Main\r" + i32(3)
    yield "cr-eats-count-byte.cfp", b"A\r" + i32(10) + i32(0) + i32(0) + b"\r\n" * 198
    yield "windows-1252-name.cfp", b"Caf\xe9 \x80\r\n" + i32(0) * 3
    yield "cr-lf-in-the-middle.cfp", b"\r\n\r\n" + i32(0) * 3

    # Not session files at all.
    yield "random-bytes.cfp", bytes(rnd.randrange(256) for _ in range(4096))
    yield "random-history.cfp", header("Noise", 0, 0, 0) + bytes(
        rnd.randrange(256) for _ in range(3000))
    yield "report.rtf.cfp", RTF_OK
    yield "only-line-ends.cfp", b"\r\n" * 5000

    # Report templates and other inputs to the RTF reader.
    yield "template-ok.rtf", RTF_OK
    yield "template-unclosed-group.rtf", b"{\\rtf1\\ansi {\\b Bold text"
    yield "template-only-closing-braces.rtf", b"}}}}}}}} text after braces"
    yield "template-deep-nesting.rtf", b"{\\rtf1 " + b"{" * 20000 + b"deep" + b"}" * 100
    yield "template-cut-escapes.rtf", b"{\\rtf1 one\\'4"
    yield "template-cut-unicode.rtf", b"{\\rtf1 two\\u-"
    yield "template-huge-numbers.rtf", (
        b"{\\rtf1{\\fonttbl{\\f99999999999999999999 Huge;}}"
        b"{\\colortbl;\\red99999\\green-5\\blue2147483648;}"
        b"\\fs-99999999999\\tx99999999999\\u99999999999?\\cf99999 \\f99999999999 big}")
    yield "template-unterminated-tables.rtf", b"{\\rtf1{\\fonttbl{\\f0 Arial;{\\colortbl;\\red1"
    yield "template-bin-control.rtf", b"{\\rtf1 before \\bin999999999 after}"
    yield "template-random-bytes.rtf", bytes(rnd.randrange(256) for _ in range(4096))
    yield "template-empty.rtf", b""
    yield "template-session-file.rtf", BASE
    yield "Vorlage größe ü.rtf", RTF_OK


RTF_OK = (b"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}"
          b"{\\colortbl;\\red255\\green0\\blue0;}"
          b"\\f0\\fs24 Hello \\b world\\b0\\par"
          b"\\cf1 Second line\\tab caf\\'e9\\par}")


def main():
    if os.path.isdir(OUT):
        shutil.rmtree(OUT)
    os.makedirs(OUT)
    count = 0
    for name, data in files():
        with open(os.path.join(OUT, name), "wb") as handle:
            handle.write(data)
        count += 1
    print("wrote %d files to %s" % (count, OUT))


if __name__ == "__main__":
    main()
