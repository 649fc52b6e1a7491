#!/usr/bin/env python3
"""Writes the valid sample files under seeds/: fuzzing starts from them and the inspector must find each
one sound. Run from this folder: python3 make_seeds.py"""
import os


def crc16(data, crc=0):
    # CRC-16/XMODEM: poly 0x1021, init 0, not reflected, no final XOR.
    for b in data:
        crc ^= b << 8
        for _ in range(8):
            crc = ((crc << 1) ^ 0x1021) if crc & 0x8000 else (crc << 1)
            crc &= 0xFFFF
    return crc


def scramble(b):
    c = ~b & 0xFF
    return ((c << 4) | (c >> 4)) & 0xFF


def menu(values):
    rec = bytearray(60)
    for offset, value in values.items():
        rec[offset] = value
    crc = crc16(rec[:50])
    rec[56], rec[57], rec[58], rec[59] = crc & 0xFF, crc >> 8, 0x0D, 0x0A
    return bytes(rec)


def message(header, auto_flag, texts, k):
    out = bytearray()
    for r in range(11):
        rec = bytearray(60)
        plain = bytearray(50)
        if r == 0:
            plain[: len(header)] = bytes(header)
            rec[55] = auto_flag
        else:
            t = texts[r - 1].encode("latin-1")
            plain[: len(t)] = t
            rec[57] = len(t)
        rec[:50] = bytes(scramble(b) for b in plain)
        rec[58], rec[59] = 0x0D, 0x0A
        out += rec
    total = (crc16(out) + k) & 0xFFFF
    check = bytearray(60)
    check[56], check[57], check[58], check[59] = total & 0xFF, total >> 8, 0x0D, 0x0A
    return bytes(out + check)


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


# The 8620 dialog's defaults (clock 2013-06-15 08:30:00), an 8520 record with timer 2 on, the factory record.
write("seeds/menu/defaults_8620.dat",
      menu({2: 1, 4: 9, 6: 1, 9: 1, 10: 1, 14: 3, 15: 6, 16: 15, 17: 8, 18: 30, 29: 2, 31: 1}))
write("seeds/menu/timers_8520.dat",
      menu({0: 2, 1: 2, 2: 1, 3: 2, 4: 59, 6: 0x80 | 30, 7: 3, 8: 1, 11: 23, 12: 59, 13: 59, 14: 21, 15: 12,
            16: 31, 17: 23, 18: 59, 19: 59, 20: 6, 21: 15, 22: 18, 23: 45, 24: 1, 25: 35, 26: 0, 27: 9, 28: 10,
            29: 10, 30: 1, 31: 1, 32: 20, 33: 30, 34: 23, 35: 59}))
write("seeds/menu/factory.dat", bytes([0xFF] * 4 + [0] * 52 + [0x90, 0x88, 0x0D, 0x0A]))

mms_texts = ["http://mms.example/servlets/mms", "event.vodafone.de", "139.7.29.17", "80", "+491701234567",
             "me@example.org", "user", "secret", "01701112222", "you@example.org"]
write("seeds/setup/auto_international.dat",
      message([1, 2, 0, 1, 2, 3, 0, 1, 2, 0, 25], 1, mms_texts, 18))
write("seeds/setup/manual_domestic_8520.dat",
      message([3, 4, 1, 9, 9, 1, 0, 0, 0x80, 0, 5], 0, ["u" * 50, "a" * 30, "g" * 20, "8" * 10, "1" * 32,
                                                         "e" * 40, "c" * 30, "p" * 30, "2" * 32, "3" * 32], 0))
write("seeds/setup/empty_texts.dat", message([0, 1, 0, 0, 0, 2, 0, 0, 0, 0, 0], 1, [""] * 10, 0))

smtp_texts = ["internet", "", "", "smtp.example.com", "25", "cam.one@example.com", "pw", "01701234567",
              "cam.one", "me@example.org"]
write("seeds/smtp/manual_8620.dat", message([0, 0, 0x80, 0, 0, 1, 1, 5, 0], 0, smtp_texts, 15))
write("seeds/smtp/auto_8520.dat", message([0, 1, 2, 1, 0, 3, 1, 0, 25], 1, smtp_texts, 15))
write("seeds/smtp/full_length.dat",
      message([0, 0, 0x80, 9, 9, 10, 2, 25, 0], 0, ["a" * 40, "b" * 40, "c" * 40, "d" * 40, "9" * 40,
                                                     "e" * 39 + "@", "f" * 40, "1" * 40, "e" * 39, "g" * 40], 15))
