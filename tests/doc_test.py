#!/usr/bin/env python3
# SPDX-License-Identifier: ISC
"""Holds the documentation to the program, byte for byte: every `$ kucalc`
example of the rendered man page and of the README with the lines under it,
the messages that the page's DESCRIPTION quotes, every one-line kucalc
example of the Windows README with the arguments cmd would pass, and
every row of the README's behaviour table (between its two markers) that shows a
command and its output, running kucalc through EMULATOR if given. For
kucalc.exe, also every `C:\\> ` example of the Windows README, typed at
the prompt of cmd under EMULATOR (Wine), and the batch files it shows.
Exits 77, a skip, where neither mandoc nor groff is there to render the
page. It is the one place that picks the renderer and reads the marked
parts of documents: `--render PAGE` prints a page as these tests read it,
or exits 77 without a renderer; `--marked FILE NAME` prints the part of
FILE between `<!-- NAME begins` and `<!-- NAME ends`.
Usage: doc_test.py KUCALC SOURCE_DIR [EMULATOR] | --render PAGE | --marked FILE NAME"""
import os
import re
import shlex
import shutil
import subprocess
import sys
import tempfile


SKIP = 77


def render(page):
    """The man page as a reader sees it, in mandoc's or groff's text, or None
    without either. Bold and underline are dropped, whether as overstrikes
    (mandoc, groff 1.22) or as SGR escapes (groff 1.23)."""
    if shutil.which("mandoc"):
        tool = ["mandoc", "-T", "ascii"]
    elif shutil.which("groff"):
        tool = ["groff", "-mandoc", "-T", "ascii"]
    else:
        return None
    env = dict(os.environ, GROFF_NO_SGR="1")
    text = subprocess.run(tool + [page], check=True, capture_output=True, text=True, env=env).stdout
    return re.sub("\x1b\\[[0-9;]*m", "", re.sub(".\b", "", text))


def section(text, name):
    """The lines of one section of a rendered page."""
    return re.search(rf"^{name}\n(.*?)(?=^\S)", text, re.S | re.M).group(1).splitlines()


def man_examples(lines, prompt="$ kucalc"):
    """[command, output] for each `$ kucalc` line (or another prompt's) and
    the lines at its indent below it."""
    examples, indent = [], None
    for line in lines:
        text = line.lstrip()
        if text.startswith(prompt):
            examples.append([text[text.index(" ") + 1:], ""])
            indent = len(line) - len(text)
        elif text and indent == len(line) - len(text):
            examples[-1][1] += text + "\n"
        else:
            indent = None
    return examples


def marked(text, name):
    """The lines between `<!-- NAME begins...` and `<!-- NAME ends`, the
    markers of every part of a document that a check reads, or None."""
    part = re.search(rf"^<!-- {name} begins\b.*?\n(.*?)^<!-- {name} ends\b", text, re.S | re.M)
    return part.group(1) if part else None


def readme_rows(readme):
    """(command, output) for each row of the behaviour table with a command,
    or None where its markers are not both there."""
    table = marked(readme, "behaviour table")
    if table is None:
        return None
    rows = []
    for cells in (line.split(" | ") for line in table.splitlines() if line.startswith("| ")):
        command = re.fullmatch(r"`(kucalc [^`]*)`", cells[1]) if len(cells) == 3 else None
        if command:
            output = cells[2].rstrip(" |")
            shown = re.fullmatch(r"`([^`]*)`", output)
            rows.append((command.group(1), shown.group(1) + "\n" if shown else
                         "" if output == "nothing" else "unreadable cell: " + output))
    return rows


# Retries of kucalc.exe that one run allows, for Wine's failures to start
# a program (status 1 and nothing written), which kucalc itself never
# gives: tests/CMakeLists.txt sets the budget.
RETRY_BUDGET = int(os.environ.get("KUCALC_WINE_RETRIES", "0"))
retries = 0


def run(command, kucalc, **kwargs):
    """Runs a command; for kucalc.exe once more where Wine failed to start
    it, within the budget."""
    global retries
    for attempt in range(2):
        if "stdin" in kwargs:
            kwargs["stdin"].seek(0)
        done = subprocess.run(command, capture_output=True, **kwargs)
        if not kucalc.endswith(".exe") or done.returncode != 1 or done.stdout or done.stderr:
            break
        retries += 1
        if retries > RETRY_BUDGET:
            break
    return done


def install(kucalc, emulator, bin_dir):
    """Makes `kucalc` in bin_dir run the binary, through the emulator if there is one."""
    path = os.path.join(bin_dir, "kucalc")
    if emulator is None:
        os.symlink(os.path.abspath(kucalc), path)
        return
    with open(path, "w", encoding="utf-8") as f:
        f.write(f'#!/bin/sh\nexec "{emulator}" "{os.path.abspath(kucalc)}" "$@"\n')
    os.chmod(path, 0o755)


def windows_examples(source):
    """The Windows README's examples and the lines under them."""
    with open(os.path.join(source, "doc", "README-windows.txt.in"), encoding="utf-8") as f:
        return man_examples(f.read().splitlines(), prompt="C:\\> ")


def as_shell(examples):
    """The one-line kucalc examples of cmd as shell commands that pass the
    same arguments, by the C runtime's rules as far as they go there: blanks
    part the arguments, double quotes group, and \\" is a quote."""
    cases = []
    for command, expected in examples:
        if command.startswith("kucalc "):
            args = [re.sub(r'(\\")|"', lambda m: '"' if m.group(1) else "", arg)
                    for arg in re.findall(r'(?:\\"|"[^"]*"|[^\s"])+', command)]
            cases.append((" ".join(shlex.quote(arg) for arg in args), expected))
    return cases


def run_cmd_examples(kucalc, source, emulator, bin_dir):
    """Runs the Windows README's examples in Wine's cmd, each typed at its
    prompt; `C:\\> type NAME.bat` and the lines under it make a batch file
    that a later example runs. Returns (cases, failed)."""
    examples = windows_examples(source)
    os.symlink(os.path.abspath(kucalc), os.path.join(bin_dir, "kucalc.exe"))
    failed, count = 0, 0
    for command, expected in examples:
        batch = re.fullmatch(r"type (\w+\.bat)", command)
        if batch:
            with open(os.path.join(bin_dir, batch.group(1)), "w", encoding="utf-8", newline="\r\n") as f:
                f.write(expected)
            continue
        count += 1
        # Typed into a file, not a pipe: Wine's cmd reads one line of a
        # pipe. Then cmd exits with kucalc's status.
        typed = os.path.join(bin_dir, "typed.txt")
        with open(typed, "w", encoding="utf-8", newline="\r\n") as f:
            f.write(command + "\nexit %errorlevel%\n")
        with open(typed, "rb") as keys:
            done = run([emulator, "cmd", "/q", "/k"], kucalc, cwd=bin_dir, stdin=keys)
        if done.stdout != expected.encode() or done.returncode:
            failed += 1
            print(f"FAIL cmd {command!r}: documented {expected!r}, printed {done.stdout!r}, "
                  f"status {done.returncode}")
    return count, failed


def main(kucalc, source, emulator=None):
    page = render(os.path.join(source, "doc", "kucalc.1"))
    if page is None:
        print("skipped: neither mandoc nor groff is installed to render the man page")
        return SKIP
    with open(os.path.join(source, "README.md"), encoding="utf-8") as f:
        readme = f.read()
    rows = readme_rows(readme)
    if rows is None:
        print("README.md: the behaviour table's markers are missing")
        return 1
    examples = man_examples(section(page, "EXAMPLES"))
    readme_examples = man_examples(readme.splitlines())
    # The two refusals, quoted on lines of their own, division first.
    quoted = [line.strip() + "\n" for line in section(page, "DESCRIPTION") if line.strip().startswith("Stop")]
    if not rows or not examples or not readme_examples or len(quoted) != 2:
        print(f"found {len(rows)} table rows, {len(examples)} man page and "
              f"{len(readme_examples)} README examples, {len(quoted)} messages")
        return 1
    cases = examples + readme_examples + rows + list(zip(["kucalc 5 / 0", "kucalc 5 % 0"], quoted))
    # The Windows README's examples, here too, so that a change of output
    # is told without Wine; kucalc.exe runs them in cmd below.
    if not kucalc.endswith(".exe"):
        cases += as_shell(windows_examples(source))
    total, failed = len(cases), 0
    with tempfile.TemporaryDirectory() as bin_dir:
        install(kucalc, emulator, bin_dir)
        env = dict(os.environ, PATH=bin_dir + os.pathsep + os.environ["PATH"])
        for command, expected in cases:
            done = run(["sh", "-c", command], kucalc, env=env, cwd=bin_dir)
            if done.stdout != expected.encode() or done.stderr or done.returncode:
                failed += 1
                print(f"FAIL {command!r}: documented {expected!r}, printed {done.stdout!r}, "
                      f"stderr {done.stderr!r}, status {done.returncode}")
        if kucalc.endswith(".exe") and emulator is not None:
            count, cmd_failed = run_cmd_examples(kucalc, source, emulator, bin_dir)
            if count == 0:
                print("doc/README-windows.txt.in: no cmd examples found")
                return 1
            total += count
            failed += cmd_failed
    if retries > RETRY_BUDGET:
        print(f"kucalc.exe exited 1 with no output {retries} times: Wine's failures to start "
              f"a program do not explain more than {RETRY_BUDGET}")
        failed += 1
    print(f"{total - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    if sys.argv[1:2] == ["--marked"]:
        with open(sys.argv[2], encoding="utf-8") as f:
            part = marked(f.read(), sys.argv[3])
        print(part if part is not None else f"{sys.argv[2]}: no {sys.argv[3]} markers", end="")
        sys.exit(0 if part is not None else 1)
    if sys.argv[1:2] == ["--render"]:
        text = render(sys.argv[2])
        print(text if text is not None else "neither mandoc nor groff is installed", end="")
        sys.exit(0 if text is not None else SKIP)
    sys.exit(main(*sys.argv[1:]))
