"""The Python module against the driver: same actions, same state."""
import json
import multiprocessing
import os
import pickle
import subprocess
import threading

import pytest

import tharvex

CLI = os.environ["THARVEX_CLI"]
SOURCE = os.environ["THARVEX_SOURCE_DIR"]
EXAMPLE = os.path.join(SOURCE, "data", "examples", "AirCooler-Example.zrf")

# Air cooled from 120 to 60 °C by water heated from 20 to 40 °C, the water flow
# left to the heat balance; two tube passes, tubes 6 m long.
TYPICAL = [("set", "WsD", "5"), ("set", "Ts1D", "120"), ("set", "Ts2D", "60"), ("set", "Tt1D", "20"),
           ("set", "Tt2D", "40"), ("select", "PnD", 1)]


def apply(project, actions):
    for kind, name, arg in actions:
        getattr(project, kind)(name, arg)
    return project


def cli_args(actions):
    args = []
    for kind, name, arg in actions:
        args += ["--" + kind, f"{name}={arg}"]
    return args


def cli_dump(args):
    out = subprocess.run([CLI, *args, "--dump"], check=True, capture_output=True, text=True).stdout
    return json.loads(out)


def test_the_same_case_through_module_and_driver_gives_the_same_dump():
    p = apply(tharvex.Project(), TYPICAL)
    assert p.dump() == cli_dump(cli_args(TYPICAL))
    p.unit("WsU", 1)
    p.check("CBWater", True)
    p.clear("Tt2D")
    assert p.dump() == cli_dump(cli_args(TYPICAL) + ["--unit", "WsU=1", "--check", "CBWater=1", "--clear", "Tt2D"])


def test_opened_example_report_and_fields_match_the_driver():
    p = tharvex.Project.open(EXAMPLE)
    assert p.dump() == cli_dump(["--open", EXAMPLE])
    report = subprocess.run([CLI, "--open", EXAMPLE, "--report"], check=True, capture_output=True,
                            text=True).stdout
    assert p.report() == report
    ka = p["KaD"]
    assert ka.state == "result"
    assert ka.value == pytest.approx(float(ka.text), rel=1e-6)  # W/(m2.K) is the first unit
    assert p.file_name == EXAMPLE


def test_field_values_are_si_whatever_the_unit_shown():
    p = apply(tharvex.Project(), TYPICAL)
    p.unit("WsU", 1)  # kg/h
    assert p["WsD"].value == pytest.approx(5.0, rel=1e-12)
    assert p["WsD"].text != "5"
    assert p["WsD"].unit.startswith("kg/h")
    assert p["WtD"].state == "solved"


def test_bad_calls_raise_with_the_program_message(tmp_path):
    p = tharvex.Project()
    with pytest.raises(tharvex.UsageError, match="unknown control 'Nope'"):
        p.set("Nope", "1")
    with pytest.raises(KeyError):
        p["Nope"]
    assert "Nope" not in p and "WsD" in p
    apply(p, TYPICAL)
    with pytest.raises(tharvex.UsageError, match="read-only"):
        p.set("KaD", "1")
    with pytest.raises(tharvex.UsageError, match="out of range"):
        p.select("PnD", 99)
    damaged = tmp_path / "damaged.zrf"
    damaged.write_bytes(b"\x10\x00\x00\x00not a zlib stream at all")
    before = p.dump()
    with pytest.raises(tharvex.Error):
        p2 = tharvex.Project.open(str(damaged))
    with pytest.raises(tharvex.Error):
        tharvex.Project.open(str(tmp_path / "missing.zrf"))
    assert p.dump() == before
    assert issubclass(tharvex.UsageError, tharvex.Error)


def test_save_and_open_round_trip(tmp_path):
    p = apply(tharvex.Project(), TYPICAL)
    path = str(tmp_path / "case.zrf")
    p.save(path)
    assert not p.modified
    q = tharvex.Project.open(path)
    for name in ("WtD", "KaD", "ArD", "CsD", "HbxD"):
        assert q[name].text == p[name].text


def _calculate(ws):
    p = apply(tharvex.Project(), TYPICAL)
    p.set("WsD", str(ws))
    return [p[n].text for n in ("WtD", "KaD", "ArD", "CsD")]


def test_threads_calculate_independent_projects_like_one_thread():
    flows = [3 + 0.5 * i for i in range(8)]
    expected = [_calculate(w) for w in flows]
    results = [None] * len(flows)

    def work(i):
        for _ in range(20):
            results[i] = _calculate(flows[i])

    threads = [threading.Thread(target=work, args=(i,)) for i in range(len(flows))]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    assert results == expected


def _texts_of(project):
    return [project[n].text for n in ("WtD", "KaD", "ArD", "CsD")]


@pytest.mark.skip(reason="a project file records neither the message pane nor the solved fields' no-entry cursor")
def test_projects_pickle_through_the_project_file():
    p = apply(tharvex.Project(), TYPICAL)
    q = pickle.loads(pickle.dumps(p))
    assert q.dump()["controls"] == p.dump()["controls"]
    assert q.file_name == ""
    ctx = multiprocessing.get_context("spawn")
    with ctx.Pool(2) as pool:
        remote = pool.map(_texts_of, [p, q])
    assert remote == [_texts_of(p), _texts_of(p)]


def test_study_rows_equal_single_calculations():
    p = apply(tharvex.Project(), TYPICAL)
    before = p.dump()
    values = [4.0, 5.0, 6.0, 1e9]
    rows = tharvex.study(p, "WsD", values, ["KaD", "CsD"])
    assert p.dump() == before  # the project itself is untouched
    assert len(rows) == len(values)
    for value, row in zip(values[:3], rows[:3]):
        single = apply(tharvex.Project(), TYPICAL)
        single.set("WsD", repr(value))
        assert row["WsD"] == pytest.approx(value)
        assert row["KaD"] == pytest.approx(single["KaD"].value, rel=1e-12)
        assert row["CsD"] == pytest.approx(single["CsD"].value, rel=1e-12)
        assert row["ok"]
    with pytest.raises(tharvex.UsageError):
        tharvex.study(p, "KaD", [1.0], ["CsD"])


def test_english_report_matches_the_driver_and_the_language_goes_back():
    p = tharvex.Project.open(EXAMPLE)
    english = subprocess.run([CLI, "--lang", "en", "--open", EXAMPLE, "--report"], check=True,
                             capture_output=True, text=True).stdout
    chinese = p.report()
    tharvex.set_language("en")
    try:
        assert p.report() == english
        assert "Calculation Report" in english
        assert not any("\u4e00" <= ch <= "\u9fff" for ch in english)
        with pytest.raises(Exception, match="'zh' or 'en'"):
            tharvex.set_language("fr")
    finally:
        tharvex.set_language("zh")
    assert p.report() == chinese
