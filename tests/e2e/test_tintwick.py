#!/usr/bin/env python3
"""End-to-end tests of Tintwick.exe under Wine on Xvfb.

Usage: test_tintwick.py TINTWICK_EXE PROBE_EXE GROUP [NO_TABLE_EXE]
GROUP is sampling, shortcuts, window or missing-table.
"""
import sys
import time

from desktop import Desktop, Failure, TestRun, expect_equal, wait_until

# Color patches at known places, all left of and below the frame, which starts near the middle.
BLACK_CORNER = (0, 0, 40, 40, "000000")
PATCHES = {
    "dodger": (60, 20, 40, 40, "1e90ff"),
    "chartreuse": (110, 20, 40, 40, "7fff00"),
    "chartreuse_only": (160, 20, 40, 40, "83ff00"),
    "unnamed": (210, 20, 40, 40, "c86432"),
    "brimson": (60, 80, 40, 40, "dc143c"),
    "maroon": (110, 80, 40, 40, "800000"),
    "edge": (994, 738, 30, 30, "ffa500"),
}
EXPECTED = {
    "dodger": ("30", "144", "255", "1e90ff", "Dodger Blue"),
    "chartreuse": ("127", "255", "0", "7fff00", "Lawn-Green"),
    "chartreuse_only": ("131", "255", "0", "83ff00", "Chartreuse"),
    "unnamed": ("200", "100", "50", "c86432", "not found"),
    "brimson": ("220", "20", "60", "dc143c", "Brimson"),
    "maroon": ("128", "0", "0", "800000", "Maroon"),
    "edge": ("255", "165", "0", "ffa500", "Orange"),
}


def center(patch):
    x, y, w, h, _ = patch
    return x + w // 2, y + h // 2


def color_fields(name):
    red, green, blue, hex_code, color_name = EXPECTED[name]
    return dict(red=red, green=green, blue=blue, hex=hex_code, name=color_name)


def start_with_patches(desktop, *names):
    for name in names:
        desktop.show_patch(*PATCHES[name])
    desktop.start_tintwick()
    desktop.wait_for_frame()


def hold_still(seconds=0.8):
    time.sleep(seconds)


# --- sampling -------------------------------------------------------------------------------

def test_first_idle_step_writes_every_field_over_black_at_the_origin(desktop):
    desktop.show_patch(*BLACK_CORNER)
    desktop.move_pointer(0, 0)
    desktop.start_tintwick()
    desktop.wait_for_frame()
    desktop.wait_for_fields("the first sample", red="0", green="0", blue="0", hex="000000", name="Black",
                            x="0", y="0")


def test_known_colors_show_their_numbers_code_position_and_name(desktop):
    start_with_patches(desktop, *PATCHES)
    for name in ["dodger", "chartreuse", "chartreuse_only", "unnamed", "brimson", "maroon"]:
        x, y = center(PATCHES[name])
        desktop.move_pointer(x, y)
        desktop.wait_for_fields(name, x=str(x), y=str(y), **color_fields(name))


def test_the_last_pixel_of_the_screen(desktop):
    start_with_patches(desktop, "edge", "dodger")
    desktop.move_pointer(*center(PATCHES["dodger"]))
    desktop.wait_for_fields("dodger first", hex="1e90ff")
    desktop.move_pointer(1023, 767)
    desktop.wait_for_fields("the bottom-right pixel", x="1023", y="767", **color_fields("edge"))


def test_a_pixel_changing_under_a_resting_pointer_changes_nothing_until_it_moves(desktop):
    start_with_patches(desktop, "dodger")
    x, y = center(PATCHES["dodger"])
    desktop.move_pointer(x, y)
    before = desktop.wait_for_fields("dodger", hex="1e90ff", x=str(x), y=str(y))
    desktop.show_patch(x - 10, y - 10, 20, 20, "800000")
    hold_still()
    expect_equal("fields while the pointer rests", desktop.fields(), before)
    desktop.move_pointer(x + 1, y)
    desktop.wait_for_fields("after the move", x=str(x + 1), **color_fields("maroon"))


def test_another_pixel_of_the_same_color_changes_only_x_and_y(desktop):
    start_with_patches(desktop, "dodger")
    x, y = center(PATCHES["dodger"])
    desktop.move_pointer(x, y)
    desktop.wait_for_fields("dodger", hex="1e90ff", x=str(x))
    # Mark the color fields; a rewrite would replace the marks.
    for control_id in (107, 115, 118, 121, 105):
        desktop.probe("settext", control_id, "mark")
    desktop.move_pointer(x + 5, y + 3)
    desktop.wait_for_fields("the new position", x=str(x + 5), y=str(y + 3))
    hold_still(0.5)
    expect_equal("color fields", desktop.fields(),
                 dict(red="mark", green="mark", blue="mark", hex="mark", name="mark", x=str(x + 5), y=str(y + 3)))


# --- shortcuts ------------------------------------------------------------------------------

def start_focused_over(desktop, name):
    start_with_patches(desktop, *PATCHES)
    desktop.move_pointer(*center(PATCHES[name]))
    desktop.wait_for_fields(name, **color_fields(name))
    desktop.focus_tintwick()


def test_f5_freezes_and_resumes_tracking(desktop):
    start_focused_over(desktop, "dodger")
    desktop.press("F5")
    hold_still(0.3)
    x, y = center(PATCHES["brimson"])
    desktop.move_pointer(x, y)
    hold_still()
    frozen = desktop.fields()
    expect_equal("hex while frozen", frozen["hex"], "1e90ff")
    expect_equal("x while frozen", frozen["x"], str(center(PATCHES["dodger"])[0]))
    desktop.press("F5")
    desktop.wait_for_fields("after resuming", x=str(x), y=str(y), **color_fields("brimson"))


def test_f6_and_f7_copy_the_code_and_the_rgb_text(desktop):
    start_focused_over(desktop, "dodger")
    for key, expected in (("F6", "1e90ff"), ("F7", "RGB (30, 144, 255)")):
        desktop.put_clipboard("sentinel")
        desktop.press(key)
        expect_equal(f"clipboard after {key}", desktop.wait_for_clipboard_change("sentinel"), expected)
    desktop.put_clipboard("sentinel")
    desktop.press("shift", "F6")
    expect_equal("clipboard after Shift+F6", desktop.wait_for_clipboard_change("sentinel"), "1e90ff")


SUMMARY = ("Total number of entries in color table:  138\n\n"
           "Color tolerance radius:  4\n"
           "Number of overlaps found:  1\n\n"
           "Total color spectrum combinations ( 255 * 255 * 255 ):  16581375\n"
           "Color spectrum combinations covered:  100602  ( 0.606717% )\n"
           "Combinations covered per color entry: 729  ( 0.004396% )\n")
ANALYSIS = [
    ("Overlap Found!", "A  =  RGB (124, 252, 0)  =  Lawn-Green\nB  =  RGB (127, 255, 0)  =  Chartreuse\n"),
    ("Overlap Found!", "A  =  RGB (127, 255, 0)  =  Chartreuse\nB  =  RGB (124, 252, 0)  =  Lawn-Green\n"),
    ("TTintwickDlg::AnalyzeColorNamesDistribution", SUMMARY),
]


def next_box(desktop, what):
    boxes = wait_until(what, desktop.boxes, timeout=10)
    if len(boxes) != 1:
        raise Failure(f"{what}: expected one box on screen, got {boxes}")
    return boxes[0]


def expect_no_box(desktop, what):
    hold_still(1.0)
    expect_equal(what, desktop.boxes(), [])


def box_text(text):
    # A message box may show its text without the trailing line end.
    return text.rstrip("\n")


def test_ctrl_shift_f11_shows_the_overlaps_then_the_summary_once(desktop):
    start_focused_over(desktop, "dodger")
    desktop.press("ctrl", "shift", "F11")
    for caption, text in ANALYSIS:
        box = next_box(desktop, caption)
        expect_equal("caption", box[0], caption)
        expect_equal("owner", box[1], "Tintwick")
        expect_equal("text", box_text(box[2]), box_text(text))
        desktop.close_box()
        wait_until("the box to close", lambda: box not in desktop.boxes(), timeout=5)
    expect_no_box(desktop, "boxes after the summary")


def test_f11_without_ctrl_and_shift_does_nothing(desktop):
    start_focused_over(desktop, "dodger")
    desktop.press("F11")
    desktop.press("ctrl", "F11")
    expect_no_box(desktop, "boxes after F11 alone")


def test_right_alt_greetings(desktop):
    start_focused_over(desktop, "dodger")
    for key in ("k", "p"):
        desktop.press("ctrl", "shift", "Alt_L", key)
        expect_no_box(desktop, f"boxes after Ctrl+Shift+left Alt+{key}")
        desktop.press("ctrl", "shift", key)
        expect_no_box(desktop, f"boxes after Ctrl+Shift+{key}")
        desktop.press("ctrl", "shift", "Alt_R", key)
        box = next_box(desktop, f"the greeting of {key}")
        expect_equal("caption", box[0], "Tintwick")
        expect_equal("owner", box[1], "Tintwick")
        if "\n\n" not in box[2]:
            raise Failure(f"greeting is not two paragraphs: {box[2]!r}")
        desktop.close_box()
        expect_no_box(desktop, f"boxes after the greeting of {key}")


# --- the window -----------------------------------------------------------------------------

WS_THICKFRAME, WS_MAXIMIZEBOX, WS_MINIMIZEBOX, WS_CAPTION, WS_SYSMENU = 0x40000, 0x10000, 0x20000, 0xC00000, 0x80000
WS_EX_TOPMOST = 0x8


def rect(info, key):
    return [int(v) for v in info[key].split(",")]


def test_frame_is_topmost_fixed_size_and_placed_around_the_panel(desktop):
    start_with_patches(desktop, "dodger")
    info = desktop.window_info()
    style, exstyle = int(info["style"], 16), int(info["exstyle"], 16)
    expect_equal("sizing border", style & WS_THICKFRAME, 0)
    expect_equal("maximize box", style & WS_MAXIMIZEBOX, 0)
    expect_equal("caption, system menu and minimize box", style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX),
                 WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX)
    expect_equal("topmost", exstyle & WS_EX_TOPMOST, WS_EX_TOPMOST)
    left, top, right, bottom = rect(info, "panel")
    width, height = right - left, bottom - top
    client = rect(info, "frameclient")
    expect_equal("client size", (client[2], client[3]), (width, height))
    screen_w, screen_h = [int(v) for v in info["screen"].split(",")]
    frame = rect(info, "frame")
    expect_equal("frame position", (frame[0], frame[1]),
                 (int((screen_w - width) / 2) - 10, int((screen_h - height) / 2) - 75))


def wait_for_exit(desktop, process, what):
    try:
        code = process.wait(timeout=15)
    except Exception:
        raise Failure(f"{what}: the program did not end")
    expect_equal(f"exit code after {what}", code, 0)


def test_exit_button_ends_the_program(desktop):
    process = start_with_patches_returning(desktop)
    left, top, right, bottom = desktop.control_rect(1)
    desktop.move_pointer((left + right) // 2, (top + bottom) // 2)
    desktop.xdotool("click", 1)
    wait_for_exit(desktop, process, "the exit button")


def test_escape_in_the_panel_ends_the_program(desktop):
    process = start_with_patches_returning(desktop)
    desktop.focus_tintwick()
    desktop.press("Escape")
    wait_for_exit(desktop, process, "Escape")


def test_close_box_ends_the_program(desktop):
    process = start_with_patches_returning(desktop)
    info = desktop.window_info()
    left, top, right, bottom = rect(info, "frame")
    caption_height, button_width, border = [int(v) for v in info["caption"].split(",")]
    desktop.move_pointer(right - border - button_width // 2 - 2, top + border + caption_height // 2)
    desktop.xdotool("click", 1)
    wait_for_exit(desktop, process, "the close box")


def start_with_patches_returning(desktop):
    desktop.show_patch(*PATCHES["dodger"])
    desktop.move_pointer(*center(PATCHES["dodger"]))
    process = desktop.start_tintwick()
    desktop.wait_for_frame()
    desktop.wait_for_fields("dodger", hex="1e90ff")
    return process


# --- a build without the color table ----------------------------------------------------------

def test_missing_table_is_reported_once_and_nothing_is_named(desktop, no_table_exe):
    desktop.show_patch(*BLACK_CORNER)
    desktop.show_patch(*PATCHES["dodger"])
    desktop.move_pointer(0, 0)
    desktop.start_tintwick(no_table_exe)
    box = next_box(desktop, "the table error")
    expect_equal("box", box, ("Caught By Reference", "", "The resource could not be found/loaded: "))
    desktop.close_box()
    desktop.wait_for_frame()
    expect_no_box(desktop, "boxes after the table error")
    desktop.wait_for_fields("black, unnamed", hex="000000", name="not found")
    desktop.move_pointer(*center(PATCHES["dodger"]))
    desktop.wait_for_fields("dodger, unnamed", hex="1e90ff", name="not found")


GROUPS = {
    "sampling": [test_first_idle_step_writes_every_field_over_black_at_the_origin,
                 test_known_colors_show_their_numbers_code_position_and_name,
                 test_the_last_pixel_of_the_screen,
                 test_a_pixel_changing_under_a_resting_pointer_changes_nothing_until_it_moves,
                 test_another_pixel_of_the_same_color_changes_only_x_and_y],
    "shortcuts": [test_f5_freezes_and_resumes_tracking,
                  test_f6_and_f7_copy_the_code_and_the_rgb_text,
                  test_ctrl_shift_f11_shows_the_overlaps_then_the_summary_once,
                  test_f11_without_ctrl_and_shift_does_nothing,
                  test_right_alt_greetings],
    "window": [test_frame_is_topmost_fixed_size_and_placed_around_the_panel,
               test_exit_button_ends_the_program,
               test_escape_in_the_panel_ends_the_program,
               test_close_box_ends_the_program],
}


def main(argv):
    run = TestRun(argv[:3])
    group = argv[3]
    if group == "missing-table":
        no_table_exe = argv[4]
        return run.run([lambda desktop: test_missing_table_is_reported_once_and_nothing_is_named(
            desktop, no_table_exe)])
    return run.run(GROUPS[group])


if __name__ == "__main__":
    sys.exit(main(sys.argv))
