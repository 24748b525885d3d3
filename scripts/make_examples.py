#!/usr/bin/env python3
"""Writes the example jobs in examples/: a knitted-cotton job with three
approved standards and production batches measured against them, once with
English names and once with Simplified Chinese names.

The curves are smooth dye-like reflectances; each batch is its standard a
little stronger or weaker and shifted in hue, so the grades come out mixed.
The XML written here is then read and saved by `corvana-cli job --save`, so
the files in examples/ are exactly what the program writes (conditions worded
in the job's language)."""
import math
import os
import subprocess
import sys
import tempfile

WAVELENGTHS = [400 + 10 * i for i in range(31)]


def sigmoid(x):
    return 1 / (1 + math.exp(-x))


def navy(w):
    return 0.032 + 0.055 * math.exp(-((w - 460) / 38) ** 2) + 0.38 * sigmoid((w - 685) / 11)


def scarlet(w):
    return 0.045 + 0.018 * math.exp(-((w - 410) / 20) ** 2) + 0.64 * sigmoid((w - 598) / 13)


def olive(w):
    return 0.045 + 0.11 * math.exp(-((w - 565) / 42) ** 2) + 0.22 * sigmoid((w - 688) / 10)


STANDARDS = [  # English name, Chinese name, curve
    ("Navy 2301", "藏青 2301", navy),
    ("Scarlet 4410", "大红 4410", scarlet),
    ("Olive 5120", "橄榄绿 5120", olive),
]

# (standard index, strength factor, hue shift in nm) per production batch.
BATCHES = [
    (0, 1.004, 0.3), (0, 1.012, 0.4), (0, 0.985, -0.6), (0, 1.030, 0.0),
    (0, 0.972, 1.0), (0, 1.006, -1.6), (0, 0.940, 0.0), (0, 1.036, 1.7),
    (0, 0.992, 0.9), (0, 1.016, -2.0), (0, 0.985, 2.6), (0, 1.080, -0.4),
    (0, 1.003, 0.2), (0, 0.930, -3.0),
    (1, 1.010, 0.5), (1, 0.970, -1.0), (1, 1.040, 2.0), (1, 0.995, 0.0), (1, 0.950, -3.0),
    (2, 1.005, 0.3), (2, 0.980, 1.5), (2, 1.060, -1.0), (2, 1.000, -2.5), (2, 0.960, 0.6),
]


def curve(function, strength=1.0, shift=0.0):
    # Stronger dyeing lowers reflectance where the dye absorbs: scale the
    # distance from the white-ish maximum of 0.9 rather than the value itself.
    values = []
    for w in WAVELENGTHS:
        r = function(w - 0.45 * shift)
        r = 0.9 - (0.9 - r) * strength ** 0.1
        values.append(min(max(r, 0.005), 0.95))
    return values


def reflect_attributes(values):
    return " ".join(f'Reflect{i + 1}="{v:.4f}"' for i, v in enumerate(values))


def record(tag, name, material, values, time):
    return (f'    <{tag} Name="{name}" Material="{material}" CLM="SCI" '
            f'{reflect_attributes(values)} Time="{time}" />\r\n')


def job_xml(chinese):
    material = "精梳棉汗布 40s" if chinese else "Combed cotton jersey 40s"
    company = 'ChineseName="华彩纺织检测中心"' if chinese else 'ChineseName=""'
    english = 'EnglishName="Huacai Textile Colour Lab"'
    sample_word = "批次" if chinese else "Lot"
    parts = [
        f'<Job Name="{"秋季针织" if chinese else "Autumn knit"}" DeviceName="CM-750 Spectrophotometer" '
        'IlluminantCount="3" Illuminant1="D65" Illuminant2="A" Illuminant3="F2" Observer="10°" '
        'ColorSpace="CIE LAB, LCh" ColorFormula="CMC" KL="2" KC="1" KH="1" DataAccuracy="2" '
        'StandardNameRule1="Standard%nnn" StandardNameRule2="" SampleNameRule1="Sample%nnn" '
        f'SampleNameRule2="" StandardMaterial="{material}" SampleMaterial="{material}">\r\n'
        '    <MetamericIndex Illuminant0="D65" Observer0="10°" Illuminant1="A" Observer1="10°" />\r\n'
        '</Job>\r\n',
        f'<UserInfo EnglishAddress="12 Dyehouse Road, Shaoxing" ChineseAddress="" {english} {company} '
        'PrintChromaticity="1" PrintReflectanceInCumulative="1" />\r\n',
        '<Tolerance ' + " ".join(
            f'I{i}Lower0="-1" I{i}Upper0="1" I{i}Lower1="-1" I{i}Upper1="1" '
            f'I{i}Lower2="-1" I{i}Upper2="1" I{i}Upper3="1"' for i in range(3)) +
        ' JudgeMethod="Use ΔE" ToleranceQuotiety="0.75" />\r\n',
        '<Standard Current="0">\r\n',
    ]
    for i, (name, chinese_name, function) in enumerate(STANDARDS):
        parts.append(record("Standard", chinese_name if chinese else name, material,
                            curve(function), f"2026/11/{2 + i:02d} 09:{10 + i * 7:02d}:00"))
    parts.append("</Standard>\r\n")
    parts.append('<Sample Current="0">\r\n')
    counters = [0, 0, 0]
    for n, (s, strength, shift) in enumerate(BATCHES):
        counters[s] += 1
        base = (STANDARDS[s][1] if chinese else STANDARDS[s][0]).split(" ")[1]
        name = f"{base}-{sample_word}{counters[s]:02d}" if chinese else f"{base} {sample_word} {counters[s]:02d}"
        minute = 5 + 2 * n
        parts.append(record("Sample", name, material, curve(STANDARDS[s][2], strength, shift),
                            f"2026/12/{7 + n // 10:02d} {10 + minute // 60:02d}:{minute % 60:02d}:00"))
    parts.append("</Sample>\r\n")
    return "".join(parts)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    cli = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "build/tools/corvana_cli/corvana-cli")
    for chinese, file, lang in ((False, "autumn-knit.job", "eng"), (True, "autumn-knit-zh-CN.job", "chs")):
        with tempfile.NamedTemporaryFile("wb", suffix=".job", delete=False) as raw:
            raw.write(job_xml(chinese).encode("utf-8"))
        out = os.path.join(root, "examples", file)
        subprocess.run([cli, "job", raw.name, "--lang", lang, "--save", out], check=True)
        os.unlink(raw.name)
        print(out)


if __name__ == "__main__":
    main()
