<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>Option „%1“ nimmt keinen Wert an</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes its value as the next argument</source>
        <translation>Option „%1“ erwartet ihren Wert als nächstes Argument</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>Option „%1“ erfordert einen Wert</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>„%1 --help“ liefert weitere Informationen.</translation>
    </message>
    <message>
        <source>Measures a smoker&apos;s dependence on nicotine: six questions, a score from
0 to 10 and a verdict.</source>
        <translation>Misst die Nikotinabhängigkeit eines Rauchers: sechs Fragen, eine Punktzahl
von 0 bis 10 und eine Einstufung.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the program&apos;s name and version and exit.</source>
        <translation>Name und Version des Programms anzeigen und beenden.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options work as well, among them
-platform NAME (wayland or xcb), -style NAME and -reverse.
The manual page %1(1) has the details.</source>
        <translation>Die Standardoptionen von Qt gelten ebenfalls, darunter
-platform NAME (wayland oder xcb), -style NAME und -reverse.
Einzelheiten stehen in der Handbuchseite %1(1).</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The version line: the program&apos;s name, then its version.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>%1 is running from %2. Close it, then choose Retry.</source>
        <comment>Running</comment>
        <extracomment>A message box, when the program runs from the folder the installer or uninstaller must change. %1 is the program&apos;s name, %2 its folder. &quot;Retry&quot; is the button of the same box, in Windows&apos; words.</extracomment>
        <translation>%1 läuft aus %2. Schließen Sie es und wählen Sie dann „Wiederholen“.</translation>
    </message>
    <message>
        <source>Installing or removing %1 for all users needs administrator rights.</source>
        <comment>NeedsAdmin</comment>
        <extracomment>A message box, when an install or removal for all users lacks the rights: Windows&apos; elevation prompt was declined, or gave none. %1 is the program&apos;s name.</extracomment>
        <translation>Um %1 für alle Benutzer zu installieren oder zu entfernen, sind Administratorrechte nötig.</translation>
    </message>
    <message>
        <source>The installed %1 in %2 could not be removed; nothing was changed.</source>
        <comment>RemovalFailed</comment>
        <extracomment>A message box, when the uninstaller of the install being replaced failed; nothing else was done. %1 is the program&apos;s name, %2 the folder of that install.</extracomment>
        <translation>Das installierte %1 in %2 konnte nicht entfernt werden; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Removing the installed %1 from %2</source>
        <comment>Removing</comment>
        <extracomment>A line in the installer&apos;s list of steps, as it removes an earlier install before it installs. %1 is the program&apos;s name, %2 the folder of the earlier install.</extracomment>
        <translation>Das installierte %1 wird aus %2 entfernt</translation>
    </message>
    <message>
        <source>%1 needs Windows 10 version 1809 or later. Nothing was installed.</source>
        <comment>OldWindows</comment>
        <extracomment>A message box on a Windows the program cannot run on; the installer then ends and installs nothing. %1 is the program&apos;s name. &quot;Version 1809&quot; is Windows&apos; own name of that update.</extracomment>
        <translation>%1 benötigt Windows 10 Version 1809 oder neuer. Es wurde nichts installiert.</translation>
    </message>
    <message>
        <source>An earlier version of %1 is installed for all users in %2. Removing it first needs administrator rights; nothing was changed.</source>
        <comment>EarlierNeedsAdmin</comment>
        <extracomment>A message box, when an install for the current user finds an earlier version installed for all users and Windows&apos; elevation prompt to remove it was declined. %1 is the program&apos;s name, %2 the earlier one&apos;s folder.</extracomment>
        <translation>Eine frühere Version von %1 ist für alle Benutzer in %2 installiert. Um sie vorher zu entfernen, sind Administratorrechte nötig; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The earlier version of %1 in %2 could not be removed completely. Remove it in Windows&apos; Settings under Apps, then install again.</source>
        <comment>EarlierRemovalFailed</comment>
        <extracomment>A message box, when the earlier version&apos;s own uninstaller left it in place. %1 is the program&apos;s name, %2 the earlier one&apos;s folder. &quot;Apps&quot; is the page of Windows&apos; Settings, in Windows&apos; words.</extracomment>
        <translation>Die frühere Version von %1 in %2 konnte nicht vollständig entfernt werden. Entfernen Sie sie in den Windows-Einstellungen unter „Apps“ und starten Sie dann die Installation erneut.</translation>
    </message>
</context>
<context>
    <name>Printouts</name>
    <message>
        <source>Save Result as PDF</source>
        <translation>Ergebnis als PDF speichern</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>die Seite konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>Print Result</source>
        <translation>Ergebnis drucken</translation>
    </message>
    <message>
        <source>the printer did not take the page</source>
        <translation>der Drucker hat die Seite nicht angenommen</translation>
    </message>
    <message>
        <source>printing is not installed with this program</source>
        <translation>die Druckfunktion dieses Programms ist nicht installiert</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>auf diesem Computer ist kein Drucker eingerichtet</translation>
    </message>
</context>
<context>
    <name>QuestionBank</name>
    <message>
        <source>1. How many cigarettes do you smoke in a day?</source>
        <translation>1. Wie viele Zigaretten rauchen Sie am Tag?</translation>
    </message>
    <message>
        <source>2. When do you smoke your first cigarette of the day?</source>
        <translation>2. Wann rauchen Sie Ihre erste Zigarette des Tages?</translation>
    </message>
    <message>
        <source>3. Do you find it difficult not to smoke in restricted places?</source>
        <translation>3. Fällt es Ihnen schwer, an Orten nicht zu rauchen, an denen das Rauchen verboten ist?</translation>
    </message>
    <message>
        <source>4. Which cigarette is the most satisfying?</source>
        <translation>4. Welche Zigarette ist für Sie die befriedigendste?</translation>
    </message>
    <message>
        <source>5. Do you smoke even when you are sick in bed?</source>
        <translation>5. Rauchen Sie auch, wenn Sie krank im Bett liegen?</translation>
    </message>
    <message>
        <source>6. Do you smoke more frequently in the first half of the day?</source>
        <translation>6. Rauchen Sie in der ersten Hälfte des Tages häufiger?</translation>
    </message>
    <message>
        <source>Less than 10</source>
        <extracomment>Answers to question 1, in cigarettes a day.</extracomment>
        <translation>10 oder weniger</translation>
    </message>
    <message>
        <source>Between 11- 20</source>
        <translation>Zwischen 11 und 20</translation>
    </message>
    <message>
        <source>Between 21- 30</source>
        <translation>Zwischen 21 und 30</translation>
    </message>
    <message>
        <source>More than 30</source>
        <translation>Mehr als 30</translation>
    </message>
    <message>
        <source>Within five minutes</source>
        <extracomment>Answers to question 2: how soon after waking up.</extracomment>
        <translation>Innerhalb von fünf Minuten</translation>
    </message>
    <message>
        <source>More than five minutes but within half an hour of waking up</source>
        <translation>Nach mehr als fünf Minuten, aber innerhalb einer halben Stunde nach dem Aufwachen</translation>
    </message>
    <message>
        <source>Between half an hour to an hour</source>
        <translation>Zwischen einer halben und einer ganzen Stunde</translation>
    </message>
    <message>
        <source>After one hour</source>
        <translation>Nach mehr als einer Stunde</translation>
    </message>
    <message>
        <source>Yes</source>
        <extracomment>An answer to questions 3, 5 and 6.</extracomment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>The first one</source>
        <extracomment>Answers to question 4: the first cigarette of the day, or any other.</extracomment>
        <translation>Die erste</translation>
    </message>
    <message>
        <source>The others</source>
        <translation>Die anderen</translation>
    </message>
    <message>
        <source>You are very slightly dependent on nicotine</source>
        <translation>Sie haben eine sehr geringe Nikotinabhängigkeit</translation>
    </message>
    <message>
        <source>You are slightly dependent on nicotine</source>
        <translation>Sie haben eine geringe Nikotinabhängigkeit</translation>
    </message>
    <message>
        <source>You are moderately dependent on nicotine</source>
        <translation>Sie haben eine mittlere Nikotinabhängigkeit</translation>
    </message>
    <message>
        <source>You are highly addicted to nicotine</source>
        <translation>Sie haben eine starke Nikotinabhängigkeit</translation>
    </message>
    <message>
        <source>You are very highly addicted to nicotine</source>
        <translation>Sie haben eine sehr starke Nikotinabhängigkeit</translation>
    </message>
    <message>
        <source>Your Score is: %1</source>
        <extracomment>The result&apos;s first line; %1 is the score, a number from 0 to 10.</extracomment>
        <translation>Ihre Punktzahl: %1</translation>
    </message>
    <message>
        <source>Your Level of Nicotine Dependency is: </source>
        <extracomment>The heading above the verdict, e.g. &quot;You are highly addicted to nicotine&quot;.</extracomment>
        <translation>Ihr Grad der Nikotinabhängigkeit: </translation>
    </message>
    <message>
        <source>Male</source>
        <extracomment>An entry of the sex list.</extracomment>
        <translation>Männlich</translation>
    </message>
    <message>
        <source>Female</source>
        <extracomment>An entry of the sex list.</extracomment>
        <translation>Weiblich</translation>
    </message>
</context>
<context>
    <name>ResultOutput</name>
    <message>
        <source>The result could not be saved as %1.</source>
        <translation>Das Ergebnis konnte nicht als %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The result could not be saved as %1: %2</source>
        <translation>Das Ergebnis konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The result could not be printed.</source>
        <translation>Das Ergebnis konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>The result could not be printed: %1</source>
        <translation>Das Ergebnis konnte nicht gedruckt werden: %1</translation>
    </message>
</context>
<context>
    <name>ResultReport</name>
    <message>
        <source>%1 result %2</source>
        <translation>%1-Ergebnis %2</translation>
    </message>
    <message>
        <source>Nicotine Dependency Test Result</source>
        <translation>Ergebnis des Tests zur Nikotinabhängigkeit</translation>
    </message>
    <message>
        <source>%1 version %2</source>
        <translation>%1 Version %2</translation>
    </message>
    <message>
        <source>Test taken on %1 at %2</source>
        <translation>Test durchgeführt am %1 um %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Alter:</translation>
    </message>
    <message>
        <source>Sex:</source>
        <translation>Geschlecht:</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Ihre Antwort</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Total score</source>
        <translation>Gesamtpunktzahl</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Your Level of Nicotine Dependency is:</source>
        <translation>Ihr Grad der Nikotinabhängigkeit:</translation>
    </message>
    <message>
        <source>The decision to quit nicotine smoking has to be yours. This test can only act as a guideline in letting you understand your level of dependency.</source>
        <translation>Die Entscheidung, mit dem Rauchen aufzuhören, müssen Sie selbst treffen. Dieser Test kann Ihnen nur als Anhaltspunkt dienen, um Ihren Grad der Abhängigkeit zu verstehen.</translation>
    </message>
    <message>
        <source>low</source>
        <extracomment>A band of the Heaviness of Smoking Index, after its value: &quot;1 of 6, low&quot;.</extracomment>
        <translation>niedrig</translation>
    </message>
    <message>
        <source>medium</source>
        <extracomment>A band of the Heaviness of Smoking Index, after its value: &quot;3 of 6, medium&quot;.</extracomment>
        <translation>mittel</translation>
    </message>
    <message>
        <source>high</source>
        <extracomment>A band of the Heaviness of Smoking Index, after its value: &quot;5 of 6, high&quot;.</extracomment>
        <translation>hoch</translation>
    </message>
    <message>
        <source>Heaviness of Smoking Index (HSI), questions 1 and 2: %1 of %2, %3</source>
        <extracomment>The line under the total score; %1 is the index (0 to %2), %3 its band: &quot;low&quot;, &quot;medium&quot; or &quot;high&quot;. &quot;Heaviness of Smoking Index&quot; is the name of a clinical measure, HSI its abbreviation.</extracomment>
        <translation>Heaviness of Smoking Index (HSI), Fragen 1 und 2: %1 von %2, %3</translation>
    </message>
    <message>
        <source>Heaviness of Smoking Index (HSI): Heatherton et al., Br J Addict 1989. Bands from the NIDA Data Share instrument page: %1.</source>
        <extracomment>The source of the index and its bands, in the report&apos;s small print; the citation stays as it is. %1 lists the bands with their values: &quot;0–1 low, 2–4 medium, 5–6 high&quot;.</extracomment>
        <translation>Heaviness of Smoking Index (HSI): Heatherton et al., Br J Addict 1989. Einteilung gemäß der Seite zum Instrument bei NIDA Data Share: %1.</translation>
    </message>
    <message>
        <source>%1–⁠%2&#xa0;%3</source>
        <extracomment>A band of the index with its values in the small print, &quot;2–4 medium&quot;: %1 to %2, band %3; a word joiner after the dash and a no-break space keep it on one line.</extracomment>
        <translation>%1–⁠%2&#xa0;%3</translation>
    </message>
</context>
<context>
    <name>ResultScale</name>
    <message>
        <source>very slightly dependent</source>
        <translation>sehr geringe Abhängigkeit</translation>
    </message>
    <message>
        <source>slightly dependent</source>
        <translation>geringe Abhängigkeit</translation>
    </message>
    <message>
        <source>moderately dependent</source>
        <translation>mittlere Abhängigkeit</translation>
    </message>
    <message>
        <source>highly addicted</source>
        <translation>starke Abhängigkeit</translation>
    </message>
    <message>
        <source>very highly addicted</source>
        <translation>sehr starke Abhängigkeit</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Score %1 of %2: %3, %4</source>
        <translation>Punktzahl %1 von %2: %3, %4</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Scale from %1 to %2: %3</source>
        <extracomment>What a screen reader says of the scale; %1 and %2 are its lowest and highest score, %3 its levels.</extracomment>
        <translation>Skala von %1 bis %2: %3</translation>
    </message>
</context>
<context>
    <name>cindrel::Accessibility</name>
    <message>
        <source>Opens the Velmor Softwares catalogue in your web browser</source>
        <translation>Öffnet den Katalog von Velmor Softwares in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Opens the donation page in your web browser</source>
        <translation>Öffnet die Spendenseite in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Opens the online help in your web browser</source>
        <translation>Öffnet die Online-Hilfe in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Opens the page on fully branded software in your web browser</source>
        <translation>Öffnet die Seite über ganz mit Ihrer Marke versehene Software in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Opens the page on co-branding in your web browser</source>
        <translation>Öffnet die Seite über Co-Branding in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Opens the forum&apos;s home page in your web browser</source>
        <translation>Öffnet die Startseite des Forums in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Opens the download page in your web browser</source>
        <translation>Öffnet die Download-Seite in Ihrem Webbrowser</translation>
    </message>
</context>
<context>
    <name>cindrel::AppIcon</name>
    <message>
        <source>%1 icon</source>
        <extracomment>The accessible name of the picture box showing the program&apos;s icon; %1 is the program&apos;s name.</extracomment>
        <translation>%1-Symbol</translation>
    </message>
</context>
<context>
    <name>cindrel::FrmAbout</name>
    <message>
        <source>Cindrel is a simple health tool that helps one know their level of dependency on nicotine. Nicotine has harmful effects and is best to be avoided. All rights in this software are reserved by %1.</source>
        <extracomment>The About window&apos;s description; %1 is the maker. In every translation, add a sentence saying that this translation of the questionnaire is the program&apos;s own and not a validated clinical version.</extracomment>
        <translation>Cindrel ist ein einfaches Gesundheitsprogramm, mit dem Sie den Grad Ihrer Nikotinabhängigkeit ermitteln können. Nikotin ist schädlich und sollte am besten gemieden werden. %1 behält sich alle Rechte an dieser Software vor. Die deutsche Fassung des Fragebogens wurde für dieses Programm übersetzt und ist keine validierte klinische Version.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the forum&apos;s web address.</extracomment>
        <translation>Klicken Sie hier, um %1 zu besuchen</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Lassen Sie diese Software ganz mit der Marke Ihrer Website versehen.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Klicken Sie hier für weitere Einzelheiten.</translation>
    </message>
    <message>
        <source>The notices should be in %1, which cannot be read.</source>
        <translation>Die Lizenzhinweise sollten in %1 stehen, doch diese Datei lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>%1 %2
Copyright %3 %4. All rights in this software are reserved by %4.

%1 runs with Qt %5, which it uses under the terms of the GNU Lesser General Public License, version 3 (LGPL-3).</source>
        <extracomment>The Licences window&apos;s opening: %1 is the program&apos;s name, %2 its version, %3 the year, %4 the maker, %5 Qt&apos;s version. The notices that follow it stay in English, as licences do.</extracomment>
        <translation>%1 %2
Copyright %3 %4. %4 behält sich alle Rechte an dieser Software vor.

%1 läuft mit Qt %5 und verwendet es unter den Bedingungen der GNU Lesser General Public License, Version 3 (LGPL-3).</translation>
    </message>
    <message>
        <source>Licences</source>
        <extracomment>The link to the licence notices of the program and of the software it uses.</extracomment>
        <translation>Lizenzen</translation>
    </message>
    <message>
        <source>Opens the licences of this program and of the software it uses</source>
        <translation>Öffnet die Lizenzen dieses Programms und der von ihm verwendeten Software</translation>
    </message>
</context>
<context>
    <name>cindrel::FrmFarewell</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Jetzt &amp;empfehlen</translation>
    </message>
    <message>
        <source>Download Velmor Softwares</source>
        <translation>Velmor-Programme herunterladen</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmor Softwares</source>
        <translation>Besuchen Sie Velmor Softwares</translation>
    </message>
</context>
<context>
    <name>cindrel::FrmMain</name>
    <message>
        <source>The Most Popular Online Velmor Discussion Forum. Click Here To Visit %1 Now.</source>
        <extracomment>A link at the top of the main window, wrapped over two lines; %1 is the forum&apos;s web address.</extracomment>
        <translation>Das beliebteste Velmor-Diskussionsforum im Internet. Klicken Sie hier, um jetzt %1 zu besuchen.</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>Persönliche Angaben</translation>
    </message>
    <message>
        <source>Nicotine Dependency describes your &quot;craving&quot; for nicotine from smoking. Nicotine has very bad effects on the health of person affecting his / her heart, brain and other body functions.</source>
        <translation>Die Nikotinabhängigkeit beschreibt Ihr „Verlangen“ nach dem Nikotin im Tabakrauch. Nikotin schadet der Gesundheit sehr: Es greift Herz, Gehirn und andere Körperfunktionen an.</translation>
    </message>
    <message>
        <source>Enter Name</source>
        <translation>Name eingeben</translation>
    </message>
    <message>
        <source>Enter Age</source>
        <translation>Alter eingeben</translation>
    </message>
    <message>
        <source>Select Sex</source>
        <translation>Geschlecht wählen</translation>
    </message>
    <message>
        <source>&amp;Take the Nicotine Dependency Test</source>
        <extracomment>The access keys of the main window&apos;s buttons and menus must differ.</extracomment>
        <translation>&amp;Test zur Nikotinabhängigkeit starten</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Fragen</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>The name a screen reader gives the list of answers.</extracomment>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Next &amp;Question</source>
        <translation>&amp;Nächste Frage</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>&amp;Main Screen</source>
        <translation>&amp;Zurück zum Anfang</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>A link at the bottom of the main window; shown as it stands, runs of blanks included.</extracomment>
        <translation>Versehen Sie diese Software mit der Marke Ihrer Website.  Steigern Sie Treue und Besucherzahlen Ihrer Website. Setzen Sie hier Name &amp;  Link Ihrer Website ein. Näheres unter „Hilfe“.    Klicken Sie hier für mehr zum Co-Branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Lassen Sie diese Software ganz mit der Marke Ihrer Website versehen. Klicken Sie hier für weitere Einzelheiten.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Über die &amp;Software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Online Geld verdienen</translation>
    </message>
</context>
<context>
    <name>cindrel::Placeholders</name>
    <message>
        <source>Your Name</source>
        <extracomment>Stands in the referrer&apos;s name field while nothing is entered.</extracomment>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Your Message</source>
        <extracomment>Stands in the field of the message to the friend while nothing is entered.</extracomment>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name Ihres Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse Ihres Freundes</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte geben Sie Ihre Nachricht ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte geben Sie den Namen Ihres Freundes ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte geben Sie die E-Mail-Adresse Ihres Freundes ein</translation>
    </message>
</context>
<context>
    <name>cindrel::ReferralChecks</name>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Eine E-Mail-Adresse darf kein Leerzeichen enthalten</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte geben Sie zwei verschiedene E-Mail-Adressen ein</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter At Most %1 Characters</source>
        <extracomment>%1 is the number of characters the field takes.</extracomment>
        <translation>Bitte geben Sie höchstens %1 Zeichen ein</translation>
    </message>
</context>
<context>
    <name>cindrel::ResultMenu</name>
    <message>
        <source>&amp;Print Result...</source>
        <translation>Ergebnis &amp;drucken…</translation>
    </message>
    <message>
        <source>&amp;Save Result as PDF...</source>
        <translation>Ergebnis als PDF &amp;speichern…</translation>
    </message>
</context>
<context>
    <name>cindrel::Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm läuft bereits</translation>
    </message>
</context>
<context>
    <name>cindrel::SupportMessages</name>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Velmor Softwares. From a single software, we have now grown to become the world’s largest resource of velmor softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first paragraph of the promotion panel of the farewell window.</extracomment>
        <translation>Wenn Ihnen diese Software gefallen hat, interessieren Sie sich sicher auch für unsere anderen Velmor-Programme. Aus einer einzigen Software sind wir inzwischen zur weltweit größten Quelle für Velmor-Programme gewachsen. Ob Astrologie, Hellsehen, Tarot, Numerologie oder Okkultes: Wir haben Programme für alle Gebiete und bieten unseren Nutzern so eine große Auswahl nach ihren Interessen.</translation>
    </message>
    <message>
        <source>All the programs in the Velmor Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <extracomment>The second paragraph of the promotion panel; keep the space at its end.</extracomment>
        <translation>Alle Programme von Velmor Softwares sind einfach und leicht zu bedienen. Sie machen nicht nur Spaß, sondern sind auch sehr informativ. Probieren Sie sie noch heute aus und erzählen Sie Ihren Freunden und Ihrer Familie davon. </translation>
    </message>
    <message>
        <source>Velmor Softwares like this one can be created and maintained only with your support. The best way to support us is to visit our forum at %1 regularly and take part in the discussions and other activities there.</source>
        <extracomment>A support message of the farewell window; %1 is the forum&apos;s web address.</extracomment>
        <translation>Velmor-Programme wie dieses können nur mit Ihrer Unterstützung entstehen und gepflegt werden. Am besten unterstützen Sie uns, indem Sie unser Forum unter %1 regelmäßig besuchen und sich dort an den Diskussionen und anderen Aktivitäten beteiligen.</translation>
    </message>
    <message>
        <source>Please visit our forum at %1 regularly and support it by taking part in its discussions and other activities. This software cannot be supported and maintained without your regular visits.</source>
        <extracomment>A support message of the farewell window; %1 is the forum&apos;s web address.</extracomment>
        <translation>Bitte besuchen Sie unser Forum unter %1 regelmäßig und unterstützen Sie es, indem Sie sich an seinen Diskussionen und anderen Aktivitäten beteiligen. Ohne Ihre regelmäßigen Besuche kann diese Software nicht unterstützt und gepflegt werden.</translation>
    </message>
    <message>
        <source>%1 is a &quot;FREE&quot; online discussion forum on smoking, quitting and healthy living. To help us develop and maintain this software, please visit it regularly.</source>
        <extracomment>A support message of the farewell window; %1 is the forum&apos;s web address.</extracomment>
        <translation>%1 ist ein „KOSTENLOSES“ Online-Diskussionsforum über das Rauchen, das Aufhören und ein gesundes Leben. Bitte besuchen Sie es regelmäßig, um uns bei der Entwicklung und Pflege dieser Software zu helfen.</translation>
    </message>
    <message>
        <source>Our forum at %1 needs your help. All you have to do is visit it regularly and take part in its discussions and activities, to help us maintain and develop more Velmor Softwares.</source>
        <extracomment>A support message of the farewell window; %1 is the forum&apos;s web address.</extracomment>
        <translation>Unser Forum unter %1 braucht Ihre Hilfe. Sie müssen es nur regelmäßig besuchen und sich an seinen Diskussionen und Aktivitäten beteiligen, um uns zu helfen, weitere Velmor-Programme zu pflegen und zu entwickeln.</translation>
    </message>
    <message>
        <source>Click here to visit our forum at %1 now</source>
        <extracomment>The caption of the check box that opens the forum; %1 is the forum&apos;s web address.</extracomment>
        <translation>Besuchen Sie jetzt unser Forum unter %1</translation>
    </message>
</context>
<context>
    <name>cindrel::TestWizard</name>
    <message>
        <source>Only numbers are accepted</source>
        <translation>Nur Ziffern sind erlaubt</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <source>Please enter your age</source>
        <translation>Bitte geben Sie Ihr Alter ein</translation>
    </message>
    <message>
        <source>Please enter your age in years, from %1 to %2</source>
        <extracomment>%1 and %2 are the youngest and the oldest age accepted.</extracomment>
        <translation>Bitte geben Sie Ihr Alter in Jahren (%1 bis %2) ein</translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <extracomment>The question counter; %1 is the number of the question shown, %2 the number of questions.</extracomment>
        <translation>Frage %1 von %2</translation>
    </message>
    <message>
        <source>Please enter a name of at most %1 characters</source>
        <extracomment>%1 is the number of characters the name box takes.</extracomment>
        <translation>Bitte geben Sie einen Namen mit höchstens %1 Zeichen ein</translation>
    </message>
</context>
<context>
    <name>cindrel::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Möglicherweise ist eine Aktualisierung dieser Software verfügbar</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Möchten Sie nach einer Aktualisierung suchen?</translation>
    </message>
</context>
<context>
    <name>cindrel::modTellAFriend</name>
    <message>
        <source>Your Referral Is Too Long To Send</source>
        <translation>Ihre Empfehlung ist zu lang, um gesendet zu werden</translation>
    </message>
</context>
</TS>
