// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

namespace tessavundo {

// Standard input, output and error that the program was started without are opened on the
// null device, before anything else opens a file: else the next file opened (the X
// connection, say) takes the number of the closed stream, and a line meant for standard output
// goes into it. Call first thing in main.
void ReopenClosedStandardStreams();

// Whether standard output was closed at start (and now writes to the null device), so that a
// line nobody can read is reported as not printed.
bool StandardOutputWasClosed();

// Makes the standard output and error reach whoever started the program, before it prints
// help, the version, a picked color or a complaint. A terminal's streams already do; a Windows
// program of the GUI subsystem gets none from a console it was typed into, so it writes into
// that console (the parent's) instead, never into one of its own. Streams that were redirected
// to a file or a pipe stay as they are.
void UseStartingConsole();

} // namespace tessavundo
