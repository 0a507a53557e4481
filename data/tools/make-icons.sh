#!/usr/bin/env bash
# SPDX-FileCopyrightText: Quillmarsh developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the application icon at the sizes desktops look for. Run after changing quillmarsh.svg.
set -euo pipefail
cd "$(dirname "$0")/../desktop/icons"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" quillmarsh.svg -o "quillmarsh-$size.png"
done
