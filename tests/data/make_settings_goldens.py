#!/usr/bin/env python3
"""Writes the golden setup.dat / smtp.dat files (and the plain scratch copy of one setup.dat) for
tests/mms/mms_file_test.cpp and tests/smtp/smtp_file_test.cpp, straight from the file layouts:
header record, ten text records (bytes at 0, length at 57, CR LF), bytes 0-49 scrambled, then the
checksum record with CRC-16/XMODEM (binascii.crc_hqx, start 0) + k. Independent of the C++ code.
The values here must match the ones in those tests."""
import binascii


def record(payload=b"", extra=None):
    r = bytearray(60)
    r[: len(payload)] = payload
    for offset, value in (extra or {}).items():
        r[offset] = value
    r[58:60] = b"\r\n"
    return r


def text(t):
    b = t.encode("utf-8")
    assert len(b) <= 50
    return record(b, {57: len(b)})


def scramble(b):
    i = ~b & 0xFF
    return ((i << 4) | (i >> 4)) & 0xFF


def checksum_record(crc, k):
    value = (crc + k) & 0xFFFF
    return record(b"", {56: value & 0xFF, 57: value >> 8})


def write(name, records, k, scratch_name=None):
    assert len(records) == 11
    plain = b"".join(records)
    if scratch_name:
        with open(scratch_name, "wb") as out:
            out.write(plain + checksum_record(binascii.crc_hqx(plain, 0), 0))
    stored = b"".join(bytes(scramble(b) for b in r[:50]) + bytes(r[50:]) for r in records)
    with open(name, "wb") as out:
        out.write(stored + checksum_record(binascii.crc_hqx(stored, 0), k))


def mms_header(send, apn_type, pictures, language, tv, international, country, operator, hours, auto):
    return record(bytes([send, send + 1, apn_type, pictures // 10, pictures % 10, language, tv & 0xFF,
                         international, country, operator, hours]), {55: 1 if auto else 0})


# 8620 worked example: Auto, country 0 / operator 0, VGA, APN, 12 a day, English, TV 0, Domestic, Off.
write("mms_worked_example.dat",
      [mms_header(1, 0, 12, 2, 0, 0, 0, 0, 25, True)]
      + [text(t) for t in ["http://mmsc.monternet.com", "cmwap", "10.0.0.172", "8080", "13800138000",
                           "someone@example.com", "", "", "", ""]],
      k=0, scratch_name="mms_worked_example_scratch.dat")

# 8520 Manual, International: SMS, CSD, 99 a day, Chinese, TV 0x0101, remote control at 0 hours.
write("mms_manual_international.dat",
      [mms_header(3, 1, 99, 1, 0x0101, 1, 0x80, 0, 0, False)]
      + [text(t) for t in ["http://" + "m" * 43, "internet", "010.000.000.010", "9201",
                           "+8613800138000", "", "user", "密码", "+4930123456", "b@example.org"]],
      k=18)

# 8620, Auto, data-access country 0 / operator 1, 7 a day, Japanese, status VGA, remote control Off.
SMTP_8620 = ["3gnet", "uninet", "", "smtp.example.com", "25", "x@example.com", "secret", "",
             "x", "me@example.org"]
write("smtp_8620_auto.dat",
      [record(bytes([0, 1, 0, 0, 7, 10, 1, 25, 0]), {55: 1})] + [text(t) for t in SMTP_8620], k=15)

# 8520, Manual, 0 a day, Chinese, remote control at 3 hours: bytes 6-8 are 1, 0, 3.
SMTP_8520 = ["internet", "web", "web", "mail.example.net", "587", "camera.one@example.net", "pw",
             "01711234567", "camera.one", "owner@example.net"]
write("smtp_8520_manual.dat",
      [record(bytes([0, 0, 0x80, 0, 0, 1, 1, 0, 3]), {55: 0})] + [text(t) for t in SMTP_8520], k=15)
