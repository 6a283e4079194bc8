"""The road test of Forgeline as a Windows user gets it: the deployed forgeline.exe under Wine,
driven through its real windows on an X display (Xvfb) by keys and clicks.

Usage: road_test.py <deploy folder> <fake_program.exe>

The deploy folder holds Forgeline/ and Forgeline-Setup.exe (scripts/deploy-windows). Each road
runs in a game folder of its own, with the fake compiler and game, which record their working
folder and arguments. A failing road leaves a screenshot beside the deploy folder.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
from pathlib import Path

TITLE = "Halvex Forgeline v1.1"
SAVE_DIALOG = "Select Loation to Save to..."
DATA = Path(__file__).resolve().parent.parent / "data"
DEPLOY = Path(sys.argv[1]).resolve() if len(sys.argv) > 1 else None
FAKE = Path(sys.argv[2]).resolve() if len(sys.argv) > 2 else None
# Bounds, never expectations: a new prefix takes Wine up to a minute on a busy machine.
FIRST_START = 120
STEP = 30
# Twips are 15 to a pixel at 96 DPI; the editor's client area starts below its menu bar.
EDITOR_MENU_BAR = 20


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], check=True, capture_output=True,
                          text=True).stdout.split()


def wait_for(condition, what, seconds=STEP):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = condition()
        if found:
            return found
        time.sleep(0.2)
    raise AssertionError(f"{what}: not within {seconds} s")


def window_named(name, seconds=STEP):
    def find():
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{name}$"],
                               capture_output=True, text=True).stdout.split()
        return found[-1] if found else None

    return wait_for(find, f'the window "{name}"', seconds)


def gone(window):
    return subprocess.run(["xdotool", "getwindowname", window], capture_output=True).returncode != 0


def keys(window, *sequence):
    xdotool("windowfocus", "--sync", window)
    xdotool("key", "--clearmodifiers", "--delay", "50", *sequence)


def type_text(window, text):
    xdotool("windowfocus", "--sync", window)
    xdotool("type", "--delay", "30", text)


def click(window, twips_x, twips_y, top=0):
    """Clicks the point of the window's client area given in twips, below `top` pixels."""
    xdotool("mousemove", "--window", window, str(twips_x // 15), str(top + twips_y // 15))
    xdotool("click", "1")


def choose_in_dialog(editor, shortcut, title, path):
    """Opens a file dialog by its shortcut, types the path and takes it."""
    keys(editor, shortcut)
    dialog = window_named(title)
    type_text(dialog, windows_path(path))
    keys(dialog, "Return")
    wait_for(lambda: gone(dialog), "the dialog closing")


def record(folder, program):
    lines = (folder / f"{program}.record").read_bytes().decode("utf-8").splitlines()
    return {"cwd": [l[4:] for l in lines if l.startswith("cwd=")],
            "arg": [l[4:] for l in lines if l.startswith("arg=")]}


class WindowsRoad(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.work = Path(tempfile.mkdtemp(prefix="forgeline-road-"))
        os.environ.update(WINEPREFIX=str(cls.work / "wine"), WINEDEBUG="-all",
                          WINEDLLOVERRIDES="mscoree,mshtml=")

    @classmethod
    def tearDownClass(cls):
        subprocess.run(["wineserver", "-k"], capture_output=True)
        subprocess.run(["wineserver", "-w"], capture_output=True)
        shutil.rmtree(cls.work, ignore_errors=True)

    def setUp(self):
        self.started = []

    def tearDown(self):
        result = self._outcome.result
        failed = any(test is self for test, _ in result.errors + result.failures)
        if failed and shutil.which("import"):
            shot = DEPLOY.parent / f"road-{self._testMethodName}.png"
            subprocess.run(["import", "-window", "root", str(shot)], capture_output=True)
            print(f"screenshot: {shot}", file=sys.stderr)
        for process in self.started:
            process.kill()
            process.wait()
        subprocess.run(["wineserver", "-k"], capture_output=True)
        subprocess.run(["wineserver", "-w"], capture_output=True)

    def game_folder(self, name):
        folder = self.work / name
        shutil.copytree(DEPLOY / "Forgeline", folder)
        shutil.copy(FAKE, folder / "scene.exe")
        shutil.copy(FAKE, folder / "Halvex.exe")
        return folder

    def start(self, program, *arguments, cwd):
        process = subprocess.Popen(["wine", str(program), *arguments], cwd=cwd,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.started.append(process)
        return process

    def test_open_save_compile_browse_play(self):
        game = self.game_folder("game")
        elsewhere = self.work / "elsewhere"
        elsewhere.mkdir()
        opened = elsewhere / "Café.sce"
        shutil.copy(DATA / "cp1252.sce", opened)

        # Started from another folder, as a file manager does: the game's programs are still
        # looked for beside forgeline.exe.
        self.start(game / "forgeline.exe", "--", windows_path(opened), cwd=elsewhere)
        editor = window_named(TITLE, FIRST_START)

        # Saved through the file dialog under another name, the file comes back byte for byte:
        # code page 1252 and CR LF, as it was opened.
        saved = elsewhere / "Saved.sce"
        choose_in_dialog(editor, "ctrl+s", SAVE_DIALOG, saved)
        self.assertEqual(saved.read_bytes(), opened.read_bytes())

        # A scenario typed into the editor: a title and a summary.
        keys(editor, "ctrl+n")
        click(editor, 120 + 300, 360 + 100, EDITOR_MENU_BAR)
        type_text(editor, "Road")
        keys(editor, "Tab")
        type_text(editor, "Typed on Windows")
        typed = elsewhere / "Road.sce"
        choose_in_dialog(editor, "ctrl+s", SAVE_DIALOG, typed)
        self.assertEqual(typed.read_bytes(),
                         b"Name: Road\r\nSummary: Typed on Windows\r\nDescription: \r\n"
                         b"Objective: \r\nCode: <internal>\r\nForces: \r\n")

        # Compile writes <title>.sce in the game folder and runs scene.exe there with the title;
        # the fake compiler leaves the .sco after a second, inside the editor's wait.
        (game / "fake-scene.delay").write_text("1000")
        patrol = elsewhere / "Patrol.sce"
        shutil.copy(DATA / "patrol.sce", patrol)
        choose_in_dialog(editor, "ctrl+o", "Select File to Open...", patrol)
        click(editor, 120 + 1000, 3600 + 120, EDITOR_MENU_BAR)
        message = window_named("Forgeline")
        self.assertEqual(record(game, "scene.exe"),
                         {"cwd": [windows_path(game)], "arg": ["Patrol.sce"]})
        self.assertTrue((game / "Patrol.sco").exists())
        self.assertEqual((game / "Patrol.sce").read_bytes(), patrol.read_bytes())
        # A click gives the box the keyboard. Wine keeps a closed box's window; the browser
        # opening below shows it went.
        xdotool("mousemove", "--window", message, "5", "5", "click", "1")
        keys(message, "Return")

        # The browser lists the .sco and starts the game on it with its parameters. A click on
        # a label gives the editor back the keyboard, which Wine leaves with no window once the
        # box has gone.
        click(editor, 120 + 200, 120 + 60, EDITOR_MENU_BAR)
        keys(editor, "ctrl+a")
        browser = window_named("Play Scenario")
        click(browser, 120 + 400, 360 + 60)
        click(browser, 120 + 700, 3960 + 180)
        wait_for(lambda: (game / "Halvex.exe.record").exists(), "the game's start")
        self.assertEqual(record(game, "Halvex.exe"),
                         {"cwd": [windows_path(game)],
                          "arg": ["nobanner", "scenario", "Patrol.sco"]})

    def test_installer_installs_starts_and_uninstalls(self):
        game = self.work / "installed"
        game.mkdir()
        (game / "Mine.sce").write_bytes(b"kept")
        installer = self.start(DEPLOY / "Forgeline-Setup.exe", "/S", f"/D={windows_path(game)}",
                               cwd=self.work)
        self.assertEqual(installer.wait(timeout=FIRST_START), 0)
        shipped = sorted(p.relative_to(DEPLOY / "Forgeline")
                         for p in (DEPLOY / "Forgeline").rglob("*") if p.is_file())
        for path in shipped:
            self.assertTrue((game / path).is_file(), path)
        query = subprocess.run(
            ["wine", "reg", "query", r"HKCU\Software\Classes\Forgeline.Scenario\shell\open\command"],
            capture_output=True, text=True).stdout
        self.assertIn(f'"{windows_path(game)}\\forgeline.exe" -- "%1"', query)

        self.start(game / "forgeline.exe", cwd=self.work)
        window_named(TITLE, STEP)
        subprocess.run(["wineserver", "-k"], capture_output=True)
        subprocess.run(["wineserver", "-w"], capture_output=True)

        uninstaller = self.start(game / "Uninstall Forgeline.exe", "/S", cwd=self.work)
        uninstaller.wait(timeout=STEP)
        # The uninstaller runs on from a copy of itself, and is done once its own file is gone.
        wait_for(lambda: not (game / "Uninstall Forgeline.exe").exists(), "the uninstall")
        left = sorted(p.relative_to(game) for p in game.rglob("*"))
        self.assertEqual(left, [Path("Mine.sce")])
        query = subprocess.run(["wine", "reg", "query", r"HKCU\Software\Classes\Forgeline.Scenario"],
                               capture_output=True, text=True)
        self.assertNotEqual(query.returncode, 0)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
