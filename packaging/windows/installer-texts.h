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

//: A message box, when an install or removal for all users lacks the rights: Windows' elevation prompt was declined,
//: or gave none.
//: %1 is the program's name.
QT_TRANSLATE_NOOP3("Installer", "Installing or removing %1 for all users needs administrator rights.",
                   "NeedsAdmin");

//: A message box, when the uninstaller of the install being replaced failed; nothing else was done.
//: %1 is the program's name, %2 the folder of that install.
QT_TRANSLATE_NOOP3("Installer", "The installed %1 in %2 could not be removed; nothing was changed.",
                   "RemovalFailed");

//: A line in the installer's list of steps, as it removes an earlier install before it installs.
//: %1 is the program's name, %2 the folder of the earlier install.
QT_TRANSLATE_NOOP3("Installer", "Removing the installed %1 from %2", "Removing");

//: A message box on a Windows the program cannot run on; the installer then ends and installs nothing.
//: %1 is the program's name. "Version 1809" is Windows' own name of that update.
QT_TRANSLATE_NOOP3("Installer", "%1 needs Windows 10 version 1809 or later. Nothing was installed.",
                   "OldWindows");

//: A message box, when an install for the current user finds an earlier version installed for all users
//: and Windows' elevation prompt to remove it was declined. %1 is the program's name, %2 the earlier one's folder.
QT_TRANSLATE_NOOP3("Installer",
                   "An earlier version of %1 is installed for all users in %2. Removing it first needs "
                   "administrator rights; nothing was changed.",
                   "EarlierNeedsAdmin");

//: A message box, when the earlier version's own uninstaller left it in place.
//: %1 is the program's name, %2 the earlier one's folder. "Apps" is the page of Windows' Settings, in Windows' words.
QT_TRANSLATE_NOOP3("Installer",
                   "The earlier version of %1 in %2 could not be removed completely. Remove it in Windows' "
                   "Settings under Apps, then install again.",
                   "EarlierRemovalFailed");
