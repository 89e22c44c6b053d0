#pragma once

namespace vlnokres {

struct CommandLine;

// Draws the run the command line asks for, at once and without a window or a display, and
// writes its picture. Returns the program's exit status: 0 written, 1 not written (a Czech
// sentence on the standard error says which file and why).
int renderPicture(const CommandLine &line);

// Writes the lesson's worksheet as a PDF, one scene to an A4 page; 2 where the lesson cannot
// be read at all.
int renderWorksheet(const CommandLine &line);

// Writes the voice the command line asks for as a WAV file, with no sound output at all, with
// the same statuses, and 2 where the voice has nothing audible.
int renderSound(const CommandLine &line);

} // namespace vlnokres
