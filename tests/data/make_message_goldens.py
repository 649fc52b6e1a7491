#!/usr/bin/env python3
"""Writes message_file_k15.dat and message_file_k18.dat: the 11 test records of
tests/core/files/write_sequence_test.cpp (PatternRecords) scrambled, then the checksum record with
CRC-16/XMODEM (binascii.crc_hqx, start 0) + k. Independent of the C++ code under test."""
import binascii


def scramble(b):
    i = ~b & 0xFF
    return ((i << 4) | (i >> 4)) & 0xFF


records = []
for i in range(11):
    r = bytearray(60)
    for j in range(50):
        r[j] = (i * 50 + j * 7 + 3) & 0xFF
    r[57] = i + 1
    r[58:60] = b"\r\n"
    records.append(r)
stored = b"".join(bytes(scramble(b) for b in r[:50]) + bytes(r[50:]) for r in records)
crc = binascii.crc_hqx(stored, 0)
for k in (15, 18):
    value = (crc + k) & 0xFFFF
    last = bytearray(60)
    last[56], last[57] = value & 0xFF, value >> 8
    last[58:60] = b"\r\n"
    with open(f"message_file_k{k}.dat", "wb") as out:
        out.write(stored + bytes(last))
