// The Windows installer's and uninstaller's own texts, in the context
// "Installer" of the program's translations. lupdate reads them here, with
// the program's sources (cmake/Translations.cmake); translators translate
// them in translations/cindrel_<language>.ts beside the program's texts; the
// build turns the compiled translations into NSIS language strings
// (nsis_texts.py, included by NSIS.template.in). This file is never compiled.
//
// Each text's disambiguation is the name the installer shows it by, $(Name).
// %1, %2 ... are filled when the text is shown, from the installer's
// variables $Arg1, $Arg2 ... (each text's comment says with what).

//: A message box, when the program runs from the folder the installer or uninstaller must change.
//: %1 is the program's name, %2 its folder. "Retry" is the button of the same box, in Windows' words.
QT_TRANSLATE_NOOP3("Installer", "%1 is running from %2. Close it, then choose Retry.", "Running");

//: A message box, when an install or removal for all users lacks the rights and Windows' elevation prompt was declined.
//: %1 is the program's name.
QT_TRANSLATE_NOOP3("Installer", "Installing or removing %1 for all users needs administrator rights.", "NeedsAdmin");

//: A message box, when the uninstaller of the install being replaced failed; nothing else was done.
//: %1 is the program's name, %2 the folder of that install.
QT_TRANSLATE_NOOP3("Installer", "The installed %1 in %2 could not be removed; nothing was changed.", "RemovalFailed");

//: A line in the installer's list of steps, as it removes an earlier install before it installs.
//: %1 is the program's name, %2 the folder of the earlier install.
QT_TRANSLATE_NOOP3("Installer", "Removing the installed %1 from %2", "Removing");
