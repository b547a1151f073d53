#!/usr/bin/python3
"""The guide's screens, taken from the program itself.

Each docs/ekrany/NAME.klawisze is a key script run headless over a fresh
sample office; the last screen the program waited on is the screen NAME,
which the guide holds between "<!-- ekran: NAME -->" and "<!-- koniec -->".

  guide_screens.py PROGRAM SAMPLE GUIDE [--update]

Without --update: exits 1 and prints a diff when a screen in the guide is not
the program's. Header lines of a key script:
  # próbka: OPTIONS       options of the sample office (vx-sample)
  # przygotowanie: CMD    a shell command run in the office before the run
  # argumenty: ARGS       the program's arguments
  # plik: NAME            the capture is this file the run wrote (in the office's
                          folder), not a screen
A run that shows no screen at all (an unattended one) is captured as the
lines it printed.
The office lies in a temporary folder, the program and its vx17-18.PTH
beside it; the roots are named relative to it (WEX_2017, WEX_2018), so no
temporary path reaches a screen. The banner's clock is the headless one
(08:00:00); the only other time on a screen, a run's stamp, is shown as a
fixed one.
"""
import difflib
import os
import re
import shlex
import shutil
import subprocess
import sys
import tempfile

STAMP = "2018-01-08_09-30-00"
STAMP_SHOWN = "2018-01-08 09:30:00"
BLOCK = re.compile(r"(<!-- ekran: (?P<name>[\w-]+) -->\n```text\n)(?P<body>.*?)(```\n<!-- koniec -->)", re.S)


def header(script, key):
    values = [line.split(":", 1)[1].strip() for line in script.splitlines()
              if line.startswith("# " + key + ":")]
    return values[0] if values else ""


def capture(program, sample, script_path):
    with open(script_path, encoding="utf-8") as f:
        script = f.read()
    keys = "".join(line + "\n" for line in script.splitlines() if line and not line.startswith("#"))
    with tempfile.TemporaryDirectory(prefix="vxguide.") as work:
        subprocess.run([sample, work] + shlex.split(header(script, "próbka")), check=True,
                       stdout=subprocess.DEVNULL)
        try:  # a second name costs nothing; the program reads its side files beside the name
            os.link(program, os.path.join(work, "vx17-18"))
        except OSError:
            shutil.copy(program, os.path.join(work, "vx17-18"))
        with open(os.path.join(work, "vx17-18.PTH"), "w", encoding="ascii") as f:
            f.write("WEX_2017=WEX_2017\r\nWEX_2018=WEX_2018\r\n")
        env = dict(os.environ, VX_CONSOLE="script")
        prepare = header(script, "przygotowanie")
        if prepare:
            subprocess.run(["bash", "-c", prepare], cwd=work, env=env, check=True, stdout=subprocess.DEVNULL)
        run = subprocess.run(["./vx17-18"] + shlex.split(header(script, "argumenty")), cwd=work, env=env,
                             input=keys.encode("utf-8"), stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        text = run.stdout.decode("utf-8", "replace")
        written = header(script, "plik")
        if written:
            try:
                with open(os.path.join(work, written), "rb") as f:
                    text = f.read().decode("utf-8", "replace").replace("\r\n", "\n")
            except OSError:
                raise SystemExit(f"{script_path}: the program wrote no {written}:\n{text}")
    screens = re.split(r"^--- screen \d+ ---\n", text, flags=re.M)
    if written or len(screens) < 2:
        if not text.strip():
            raise SystemExit(f"{script_path}: the program showed nothing")
        screens = [text]
    last = [line.rstrip() for line in screens[-1].splitlines() if not line.startswith("--- ")]
    while last and not last[-1]:
        last.pop()
    shown = "\n".join(last) + "\n"
    # A second run in the same second has its folder named with "_2".
    shown = re.sub(r"\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d(_\d+)?", STAMP, shown)
    return re.sub(r"\d{4}-\d\d-\d\d \d\d:\d\d:\d\d", STAMP_SHOWN, shown)


def main():
    args = [a for a in sys.argv[1:] if a != "--update"]
    update = "--update" in sys.argv[1:]
    if len(args) != 3:
        raise SystemExit(__doc__)
    program, sample, guide = (os.path.abspath(a) for a in args)
    scripts = os.path.join(os.path.dirname(guide), "ekrany")
    with open(guide, encoding="utf-8") as f:
        text = f.read()
    named = {m.group("name") for m in BLOCK.finditer(text)}
    keyed = {n[: -len(".klawisze")] for n in os.listdir(scripts) if n.endswith(".klawisze")}
    failed = False
    for name in sorted(named ^ keyed):
        print(f"{name}: " + ("no key script" if name in named else "not in the guide"))
        failed = True
    screens = {name: capture(program, sample, os.path.join(scripts, name + ".klawisze"))
               for name in sorted(named & keyed)}

    def replace(m):
        nonlocal failed
        name, body = m.group("name"), m.group("body")
        want = screens.get(name, body)
        if want != body and not update:
            failed = True
            sys.stdout.writelines(difflib.unified_diff(body.splitlines(True), want.splitlines(True),
                                                       f"guide: {name}", f"program: {name}"))
        return m.group(1) + want + m.group(4)

    new_text = BLOCK.sub(replace, text)
    if update and new_text != text:
        with open(guide, "w", encoding="utf-8") as f:
            f.write(new_text)
        print(f"{guide}: screens refreshed")
    print(f"{len(screens)} screens checked")
    sys.exit(1 if failed and not update else 0)


if __name__ == "__main__":
    main()
