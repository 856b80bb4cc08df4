#pragma once

class QCommandLineParser;
class QCoreApplication;

namespace vatro {

// Russian for Qt's own dialogs, buttons and menus, whatever the desktop's language: the
// programs speak Russian. Read once; the programs read it just after their first window is on
// screen, when no Qt text has shown yet, and before a problem box that comes earlier.
void translateQtTexts();

// QCommandLineParser::process, with Qt's help and its complaints about the command line in
// Russian too: the only Qt texts a program shows before its window.
void processCommandLine(QCommandLineParser& options, const QCoreApplication& app);

} // namespace vatro
