#!/usr/bin/env python3
"""Writes the setup.dat files that tests/mms/mms_setup_dlg_test.cpp expects from the MMS dialog for two
sessions driven as a user, straight from the file layout: header and text records, bytes 0-49 scrambled,
then the checksum record with CRC-16/XMODEM (binascii.crc_hqx, start 0) + k. Independent of the C++ code
under test."""
import binascii


def scramble(b):
    i = ~b & 0xFF
    return ((i << 4) | (i >> 4)) & 0xFF


def record(payload, extra=None):
    r = bytearray(60)
    r[: len(payload)] = payload
    for offset, value in (extra or {}).items():
        r[offset] = value
    r[58:60] = b"\r\n"
    return r


def text(t):
    data = t.encode("utf-8")
    return record(data, {57: len(data)})


def header(send, apn_type, pictures, language, tv, international, country, operator, hours, auto):
    return record(bytes([send, send + 1, apn_type, pictures // 10, pictures % 10, language, tv & 0xFF,
                         international, country, operator, hours]), {55: 1 if auto else 0})


def write(name, records, k):
    stored = b"".join(bytes(scramble(b) for b in r[:50]) + bytes(r[50:]) for r in records)
    value = (binascii.crc_hqx(stored, 0) + k) & 0xFFFF
    with open(name, "wb") as out:
        out.write(stored + bytes(record(b"", {56: value & 0xFF, 57: value >> 8})))


# 8620, English, Auto with country 0 / operator 0 (the "China Mobile" preset row), VGA, APN, 12 a day,
# TV 0, Domestic, remote control Off; typed: phone and e-mail address.
write("mms_dialog_8620_auto.dat",
      [header(1, 0, 12, 2, 0, 0, 0, 0, 25, True)]
      + [text(t) for t in ["http://mmsc.monternet.com", "cmwap", "10.0.0.172", "80", "13800138000",
                           "someone@example.com", "", "", "", ""]],
      k=0)

# 8520, Chinese, TV 0x0101, Manual, QVGA, CSD, 99 a day, International, remote control at 0 hours.
write("mms_dialog_8520_manual_international.dat",
      [header(2, 1, 99, 1, 0x0101, 1, 0x80, 0, 0, False)]
      + [text(t) for t in ["http://" + "m" * 43, "internet", "010.000.000.010", "9201", "+8613800138000", "",
                           "user", "密码", "+4930123456", "b@example.org"]],
      k=18)
