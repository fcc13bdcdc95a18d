#!/usr/bin/env python3
"""Writes the two images shipped beside the program, in the 1040-byte data
file layout: the template data/dhcpqec.def (the blank image New starts from)
and the factory defaults data/DefRadioSet.def (opened by "Restore Default
Setting").

Both hold every channel erased, model 0 and the band 400-470 MHz, and option
bytes that the option pages load without correcting them. They differ in the
volume step table: the defaults carry the factory steps with their validity
marker, the template leaves the table erased so the radio keeps its own.

Usage: tools/make_images.py [data folder]   (default: data/ beside tools/)
"""
import pathlib
import sys

RADIO_SIZE = 0x400
IDENTIFIER = b"QM5128"
BLOCK_IN_USE = 0x5A

# Bit fields of option bytes: (address, mask, value shifted down to bit 0, meaning).
# A byte holding fields starts from 0x00; bytes without fields stay erased (0xFF).
FIELDS = [
    (0x115, 0x01, 1, "DTMF side tone"),
    (0x116, 0xFF, 0x00, "ID group code: Off"),
    (0x117, 0xFF, 0, "DTMF auto reset timer: Off"),
    (0x118, 0xFF, 0, "call alert: Off"),
    (0x12F, 0xFF, 2, "voice annunciation: English"),
    (0x130, 0xFF, 4, "time-out timer: 60s"),
    (0x131, 0xFF, 0, "TOT pre-alert: Off"),
    (0x134, 0xFF, 5, "squelch level 5"),
    (0x135, 0x01, 1, "battery save"),
    (0x136, 0x01, 1, "beep"),
    (0x138, 0x01, 0, "VOX: transmit allowed while receiving"),
    (0x13A, 0xFF, 0, "VOX gain: Off"),
    (0x13B, 0xFF, 3, "VOX delay: 1.5s"),
    (0x160, 0xFF, 0, "scan priority: None"),
    (0x161, 0xFF, 0, "priority channel: Off"),
    (0x164, 0xFF, 0, "revert channel: Selected"),
    (0x165, 0xFF, 3, "dropout delay: 3s"),
    (0x167, 0xFF, 3, "transmit dwell: 3s"),
    (0x1FA, 0xFF, 0, "stun type: Tx Inhibit"),
    (0x360, 0xFF, 2, "SK1 short: Monitor"),
    (0x361, 0xFF, 8, "SK1 long: Squelch Off"),
    (0x362, 0xFF, 3, "SK2 short: Scan"),
    (0x363, 0xFF, 4, "SK2 long: Adjust Power Level"),
    (0x364, 0xFF, 15, "low battery alarm every 30s"),
    (0x365, 0xFF, 20, "SK1 hold time 1.00s"),
    (0x366, 0xFF, 20, "SK2 hold time 1.00s"),
    (0x367, 0x02, 0, "alarm: Local"),
    (0x367, 0x04, 0, "power off on too high battery voltage"),
    (0x367, 0x08, 1, "power off on too low battery voltage"),
    (0x367, 0x10, 0, "monitor end tone"),
    (0x367, 0x20, 0, "radio function enabled (bit clear)"),
    (0x367, 0x80, 0, "switch lamp tone"),
    (0x368, 0x07, 1, "power-on tone: Tone-1"),
    (0x368, 0xF0, 0, "channel number 1"),
    (0x369, 0xFF, 149, "battery save ratio 1 - 4"),
    (0x36A, 0xFF, 0x00, "no announcement, tail tone, call alert tone or scan flags"),
    (0x36B, 0xFF, 0x02, "tail elimination: 180 degree"),
    (0x36C, 0x01, 1, "tone when entering scan"),
    (0x36C, 0x02, 1, "tone when leaving scan"),
    (0x36C, 0x04, 0, "announce scan on/off"),
    (0x36C, 0x08, 0, "announce VOX on/off"),
    (0x36C, 0x10, 1, "scan light"),
    (0x36C, 0x20, 1, "low battery tone"),
    (0x36C, 0x40, 1, "low battery annunciation"),
    (0x36C, 0x80, 0, "orange light on low power"),
    (0x36D, 0x01, 0, "transmit end tone"),
    (0x36D, 0x02, 1, "low battery may transmit"),
    (0x36D, 0x08, 1, "light on at power on"),
    (0x36D, 0x10, 0, "announce power on"),
    (0x36D, 0x20, 0, "channel 16 enters scan"),
    (0x36D, 0x40, 0, "announce battery voltage"),
    (0x36D, 0x80, 0, "low battery tone 1"),
    (0x36E, 0xFF, 153, "radio squelch 19"),
    (0x36F, 0xFF, 175, "radio volume 15"),
    (0x379, 0xFF, 0, "model: first entry"),
    (0x3D9, 0xFF, 10, "DTMF first digit delay 200 ms"),
    (0x3DA, 0xFF, 7, "DTMF digit time 80 ms"),
    (0x3DB, 0xFF, 7, "DTMF digit interval 80 ms"),
    (0x3DC, 0xFF, 0, "PTT ID pause 0s"),
    (0x3DD, 0xFF, 0x00, "stun group code: Off"),
    (0x3DE, 0xFF, 0, "two-tone auto reset: Off"),
    (0x3DF, 0x01, 0, "two-tone side tone"),
    (0x3E0, 0xFF, 185, "tail tone and DTMF volume: position 191"),
    (0x3E3, 0x1F, 0x10, "emergency channel: Selected CH"),
    (0x3E4, 0xFF, 10, "two-tone first digit delay 200 ms"),
    (0x3E6, 0xFF, 0, "two-way volume level: Off"),
    (0x3FB, 0xFF, 156, "microphone volume: position 207"),
]

# Runs of bytes: (first address, bytes, meaning).
BAND_400_470 = bytes([0x40, 0x00, 0x47, 0x00])
VOX_LEVELS = bytes([170, 155, 140, 125, 110, 95, 80, 65, 50, 35, BLOCK_IN_USE])
RADIO_ID_OFF = bytes([0xCC] * 3)
BLANK_INFO_LINES = bytes(64)  # 32 spaces, each stored as character number 0
IDENTIFIER_BLOCK = b"R58164" + bytes([0xF8, 0xFF])
RUNS = [
    (0x37A, BAND_400_470, "band 400-470 MHz"),
    (0x194, VOX_LEVELS, "VOX compare levels 1-10 and their marker"),
    (0x1B8, IDENTIFIER_BLOCK, "radio identifier"),
    (0x300, BLANK_INFO_LINES, "information lines 1 and 2, blank"),
    (0x3E9, RADIO_ID_OFF, "radio ID digits all Off"),
]

FACTORY_VOLUME_STEPS = bytes([0, 69, 148, 120, 227, 79, 185, 156, 173, 175, 253, BLOCK_IN_USE])
ERASED_VOLUME_STEPS = bytes([0xFF] * 12)


def radio_image(volume_steps):
    """The 1024 radio bytes: erased, then the option fields and runs."""
    image = bytearray([0xFF] * RADIO_SIZE)
    touched = set()
    for address, mask, value, _ in FIELDS:
        if address not in touched:
            image[address] = 0x00
            touched.add(address)
        shift = (mask & -mask).bit_length() - 1
        image[address] = (image[address] & ~mask) | ((value << shift) & mask)
    for address, run, _ in RUNS + [(0x1A0, volume_steps, "volume steps 0-10 and marker")]:
        image[address:address + len(run)] = run
    return image


def data_file(image):
    """The data file layout: identifier, header bytes 6..15, 16 x 0xFF, 0x010..0x3FF."""
    return IDENTIFIER + bytes(image[6:16]) + bytes([0xFF] * 16) + bytes(image[0x10:RADIO_SIZE])


def main():
    folder = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent / "data"
    (folder / "dhcpqec.def").write_bytes(data_file(radio_image(ERASED_VOLUME_STEPS)))
    (folder / "DefRadioSet.def").write_bytes(data_file(radio_image(FACTORY_VOLUME_STEPS)))


if __name__ == "__main__":
    main()
