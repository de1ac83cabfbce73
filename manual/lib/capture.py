"""Runs the real plug-in in the stand-in host, one run per key script of
manual/shots.json, and takes from each run's log the screens, texts and
files that the manual shows ("shots")."""

import json
import os
import shutil
import subprocess
from pathlib import Path

MANUAL = Path(__file__).resolve().parent.parent
SHOTS = MANUAL / "shots.json"
SCREENS = MANUAL / "screens"

PLUGIN_NAME = "KalvetZakupy.dll"

# What a shot keeps of its log event besides the screen: the deterministic
# fields a reader of the manual is shown.
KEPT_FIELDS = ("event", "dialog", "when", "caption", "lines", "label", "prompt", "path", "ticked")


class CaptureError(Exception):
    pass


def load_shots():
    with open(SHOTS, encoding="utf-8") as f:
        return json.load(f)


def _run_host(host, run_name, run, folder):
    """One run of the launcher in a fresh folder; answers its log's events."""
    if folder.exists():
        shutil.rmtree(folder)
    folder.mkdir(parents=True)
    output = run.get("output_folder")
    if output:
        (folder / output).mkdir()
        for name in run.get("files_before", []):
            (folder / output / name).write_bytes(b"")
    # The Linux flavour's plug-in under the shipped DLL's name, which the
    # failure report quotes as the module's name.
    shutil.copyfile(host / "libKalvetZakupy.so", folder / PLUGIN_NAME)
    command = [str(host / "hadrek"), "--plugin", "./" + PLUGIN_NAME, "--config-dir", ".",
               "--log", "log.jsonl", "--keys", "@" + str(MANUAL / "keys" / run["keys"])]
    if "generate" in run:
        data = folder / "dane.json"
        with open(data, "wb") as out:
            subprocess.run([str(host / "hadrek"), "--generate", str(run["generate"])], stdout=out, check=True,
                           cwd=folder)
        command += ["--data", data.name]
    command += run.get("arguments", [])
    done = subprocess.run(command, cwd=folder, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    if done.returncode != 0:
        raise CaptureError(f"run {run_name}: the host ended with {done.returncode}: "
                           + done.stderr.decode("utf-8", "replace").strip())
    with open(folder / "log.jsonl", encoding="utf-8") as f:
        events = [json.loads(line) for line in f if line.strip()]
    _check_fault(run_name, run, events)
    return events


def _check_fault(run_name, run, events):
    """A run that asks for a fault must meet it, in the host function named by its role."""
    wanted = run.get("fault")
    faults = [e for e in events if e.get("event") == "fault"]
    if wanted is None:
        if faults:
            raise CaptureError(f"run {run_name}: an unasked fault {faults[0]}")
        return
    if [f.get("role") for f in faults] != [wanted]:
        raise CaptureError(f"run {run_name}: the fault in {wanted} did not happen (faults: {faults})")


def _select(run_name, shot_name, shot, events):
    match = shot.get("match", {})
    found = [e for e in events if all(e.get(k) == v for k, v in match.items())]
    nth = shot.get("nth", 0)
    if nth >= len(found):
        raise CaptureError(f"shot {shot_name}: run {run_name} logged {len(found)} events matching {match}, "
                           f"not the {nth + 1}th")
    event = found[nth]
    screen = event if event.get("event") == "screen" else event.get("screen")
    kept = {k: event[k] for k in KEPT_FIELDS if k in event and not (screen is event and k == "lines")}
    if screen:
        kept["screen"] = {k: screen[k] for k in ("width", "height", "lines", "attributes")}
    return kept


def _file_shot(host, folder, run, shot):
    """An export file as the user reads it, decoded from the host's code page."""
    path = folder / run["output_folder"] / shot["file"]
    shown = subprocess.run([str(host / "hadrek"), "--show", str(path)], check=True, stdout=subprocess.PIPE)
    return {"file": shot["file"], "lines": shown.stdout.decode("utf-8").splitlines()}


def _folder_shot(folder, run):
    """What the run's output folder holds before and after it."""
    after = sorted(os.listdir(folder / run["output_folder"]))
    return {"folder": run["output_folder"], "before": sorted(run.get("files_before", [])), "after": after}


def capture(host, work, skip_runs=()):
    """Every shot of every run not skipped, by name."""
    plan = load_shots()
    taken = {}
    for run_name, run in plan["runs"].items():
        if run_name in skip_runs:
            continue
        folder = work / run_name
        events = _run_host(host, run_name, run, folder)
        for shot_name, shot in plan["shots"].items():
            if shot["run"] != run_name:
                continue
            if "file" in shot:
                taken[shot_name] = _file_shot(host, folder, run, shot)
            elif shot.get("folder"):
                taken[shot_name] = _folder_shot(folder, run)
            else:
                taken[shot_name] = _select(run_name, shot_name, shot, events)
            taken[shot_name]["run"] = run_name
    return taken


def shot_text(shot):
    """A shot as the file kept under manual/screens holds it."""
    return json.dumps(shot, ensure_ascii=False, indent=1, sort_keys=True) + "\n"


def write_shots(taken, into):
    into.mkdir(parents=True, exist_ok=True)
    for old in into.glob("*.json"):
        if old.stem not in taken:
            old.unlink()
    for name, shot in taken.items():
        path = into / f"{name}.json"
        text = shot_text(shot)
        if not path.exists() or path.read_text(encoding="utf-8") != text:
            path.write_text(text, encoding="utf-8")


def read_shots(folder=SCREENS):
    shots = {}
    for path in sorted(folder.glob("*.json")):
        with open(path, encoding="utf-8") as f:
            shots[path.stem] = json.load(f)
    return shots
