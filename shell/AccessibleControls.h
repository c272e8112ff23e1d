// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace orbeta {

// Tells Qt's accessibility (AT-SPI, read by a screen reader) about the
// program's own controls: a PictureButton is a button (or a choice of a group)
// that can be pressed, and the screens, which the window shows scaled on a
// stage of their own, are the window's children. Safe to call more than once.
void InstallAccessibleControls();

} // namespace orbeta
