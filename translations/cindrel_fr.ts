<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>l’option «&#xa0;%1&#xa0;» n’accepte pas de valeur</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes its value as the next argument</source>
        <translation>l’option «&#xa0;%1&#xa0;» prend sa valeur dans l’argument suivant</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>l’option «&#xa0;%1&#xa0;» requiert une valeur</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;» pour plus d’informations.</translation>
    </message>
    <message>
        <source>Measures a smoker&apos;s dependence on nicotine: six questions, a score from
0 to 10 and a verdict.</source>
        <translation>Mesure la dépendance d’un fumeur à la nicotine&#xa0;: six questions, un score
de 0 à 10 et un verdict.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the program&apos;s name and version and exit.</source>
        <translation>Afficher le nom et la version du programme et quitter.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options work as well, among them
-platform NAME (wayland or xcb), -style NAME and -reverse.
The manual page %1(1) has the details.</source>
        <translation>Les options standard de Qt fonctionnent aussi, dont
-platform NOM (wayland ou xcb), -style NOM et -reverse.
La page de manuel %1(1) donne les détails.</translation>
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
        <translation>%1 est en cours d’exécution depuis %2. Fermez-le, puis choisissez Réessayer.</translation>
    </message>
    <message>
        <source>Installing or removing %1 for all users needs administrator rights.</source>
        <comment>NeedsAdmin</comment>
        <extracomment>A message box, when an install or removal for all users lacks the rights: Windows&apos; elevation prompt was declined, or gave none. %1 is the program&apos;s name.</extracomment>
        <translation>Installer ou supprimer %1 pour tous les utilisateurs demande les droits d’administrateur.</translation>
    </message>
    <message>
        <source>The installed %1 in %2 could not be removed; nothing was changed.</source>
        <comment>RemovalFailed</comment>
        <extracomment>A message box, when the uninstaller of the install being replaced failed; nothing else was done. %1 is the program&apos;s name, %2 the folder of that install.</extracomment>
        <translation>Le %1 installé dans %2 n’a pas pu être supprimé&#xa0;; rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Removing the installed %1 from %2</source>
        <comment>Removing</comment>
        <extracomment>A line in the installer&apos;s list of steps, as it removes an earlier install before it installs. %1 is the program&apos;s name, %2 the folder of the earlier install.</extracomment>
        <translation>Suppression du %1 installé dans %2</translation>
    </message>
    <message>
        <source>%1 needs Windows 10 version 1809 or later. Nothing was installed.</source>
        <comment>OldWindows</comment>
        <extracomment>A message box on a Windows the program cannot run on; the installer then ends and installs nothing. %1 is the program&apos;s name. &quot;Version 1809&quot; is Windows&apos; own name of that update.</extracomment>
        <translation>%1 nécessite Windows 10 version 1809 ou ultérieure. Rien n’a été installé.</translation>
    </message>
    <message>
        <source>An earlier version of %1 is installed for all users in %2. Removing it first needs administrator rights; nothing was changed.</source>
        <comment>EarlierNeedsAdmin</comment>
        <extracomment>A message box, when an install for the current user finds an earlier version installed for all users and Windows&apos; elevation prompt to remove it was declined. %1 is the program&apos;s name, %2 the earlier one&apos;s folder.</extracomment>
        <translation>Une version antérieure de %1 est installée pour tous les utilisateurs dans %2. La supprimer d’abord demande les droits d’administrateur&#xa0;; rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The earlier version of %1 in %2 could not be removed completely. Remove it in Windows&apos; Settings under Apps, then install again.</source>
        <comment>EarlierRemovalFailed</comment>
        <extracomment>A message box, when the earlier version&apos;s own uninstaller left it in place. %1 is the program&apos;s name, %2 the earlier one&apos;s folder. &quot;Apps&quot; is the page of Windows&apos; Settings, in Windows&apos; words.</extracomment>
        <translation>L’ancienne version de %1 dans %2 n’a pas pu être entièrement supprimée. Supprimez-la dans les Paramètres de Windows, sous «&#xa0;Applications&#xa0;», puis relancez l’installation.</translation>
    </message>
</context>
<context>
    <name>Printouts</name>
    <message>
        <source>Save Result as PDF</source>
        <translation>Enregistrer le résultat en PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>la page n’a pas pu être dessinée</translation>
    </message>
    <message>
        <source>Print Result</source>
        <translation>Imprimer le résultat</translation>
    </message>
    <message>
        <source>the printer did not take the page</source>
        <translation>l’imprimante n’a pas accepté la page</translation>
    </message>
    <message>
        <source>printing is not installed with this program</source>
        <translation>la fonction d’impression de ce programme n’est pas installée</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>aucune imprimante n’est configurée sur cet ordinateur</translation>
    </message>
</context>
<context>
    <name>QuestionBank</name>
    <message>
        <source>1. How many cigarettes do you smoke in a day?</source>
        <translation>1. Combien de cigarettes fumez-vous par jour&#xa0;?</translation>
    </message>
    <message>
        <source>2. When do you smoke your first cigarette of the day?</source>
        <translation>2. Quand fumez-vous votre première cigarette de la journée&#xa0;?</translation>
    </message>
    <message>
        <source>3. Do you find it difficult not to smoke in restricted places?</source>
        <translation>3. Trouvez-vous difficile de ne pas fumer dans les lieux où c’est interdit&#xa0;?</translation>
    </message>
    <message>
        <source>4. Which cigarette is the most satisfying?</source>
        <translation>4. Quelle cigarette vous procure le plus de satisfaction&#xa0;?</translation>
    </message>
    <message>
        <source>5. Do you smoke even when you are sick in bed?</source>
        <translation>5. Fumez-vous même quand vous êtes malade au lit&#xa0;?</translation>
    </message>
    <message>
        <source>6. Do you smoke more frequently in the first half of the day?</source>
        <translation>6. Fumez-vous plus souvent pendant la première moitié de la journée&#xa0;?</translation>
    </message>
    <message>
        <source>Less than 10</source>
        <extracomment>Answers to question 1, in cigarettes a day.</extracomment>
        <translation>10 ou moins</translation>
    </message>
    <message>
        <source>Between 11- 20</source>
        <translation>Entre 11 et 20</translation>
    </message>
    <message>
        <source>Between 21- 30</source>
        <translation>Entre 21 et 30</translation>
    </message>
    <message>
        <source>More than 30</source>
        <translation>Plus de 30</translation>
    </message>
    <message>
        <source>Within five minutes</source>
        <extracomment>Answers to question 2: how soon after waking up.</extracomment>
        <translation>Dans les cinq minutes</translation>
    </message>
    <message>
        <source>More than five minutes but within half an hour of waking up</source>
        <translation>Après plus de cinq minutes, mais dans la demi-heure qui suit le réveil</translation>
    </message>
    <message>
        <source>Between half an hour to an hour</source>
        <translation>Entre une demi-heure et une heure</translation>
    </message>
    <message>
        <source>After one hour</source>
        <translation>Après plus d’une heure</translation>
    </message>
    <message>
        <source>Yes</source>
        <extracomment>An answer to questions 3, 5 and 6.</extracomment>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>The first one</source>
        <extracomment>Answers to question 4: the first cigarette of the day, or any other.</extracomment>
        <translation>La première</translation>
    </message>
    <message>
        <source>The others</source>
        <translation>Les autres</translation>
    </message>
    <message>
        <source>You are very slightly dependent on nicotine</source>
        <translation>Votre dépendance à la nicotine est très faible</translation>
    </message>
    <message>
        <source>You are slightly dependent on nicotine</source>
        <translation>Votre dépendance à la nicotine est faible</translation>
    </message>
    <message>
        <source>You are moderately dependent on nicotine</source>
        <translation>Votre dépendance à la nicotine est modérée</translation>
    </message>
    <message>
        <source>You are highly addicted to nicotine</source>
        <translation>Vous avez une forte dépendance à la nicotine</translation>
    </message>
    <message>
        <source>You are very highly addicted to nicotine</source>
        <translation>Vous avez une très forte dépendance à la nicotine</translation>
    </message>
    <message>
        <source>Your Score is: %1</source>
        <extracomment>The result&apos;s first line; %1 is the score, a number from 0 to 10.</extracomment>
        <translation>Votre score&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your Level of Nicotine Dependency is: </source>
        <extracomment>The heading above the verdict, e.g. &quot;You are highly addicted to nicotine&quot;.</extracomment>
        <translation>Votre niveau de dépendance à la nicotine&#xa0;: </translation>
    </message>
    <message>
        <source>Male</source>
        <extracomment>An entry of the sex list.</extracomment>
        <translation>Homme</translation>
    </message>
    <message>
        <source>Female</source>
        <extracomment>An entry of the sex list.</extracomment>
        <translation>Femme</translation>
    </message>
</context>
<context>
    <name>ResultOutput</name>
    <message>
        <source>The result could not be saved as %1.</source>
        <translation>Le résultat n’a pas pu être enregistré sous %1.</translation>
    </message>
    <message>
        <source>The result could not be saved as %1: %2</source>
        <translation>Le résultat n’a pas pu être enregistré sous %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The result could not be printed.</source>
        <translation>Le résultat n’a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>The result could not be printed: %1</source>
        <translation>Le résultat n’a pas pu être imprimé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ResultReport</name>
    <message>
        <source>%1 result %2</source>
        <translation>Résultat %1 %2</translation>
    </message>
    <message>
        <source>Nicotine Dependency Test Result</source>
        <translation>Résultat du test de dépendance à la nicotine</translation>
    </message>
    <message>
        <source>%1 version %2</source>
        <translation>%1 version %2</translation>
    </message>
    <message>
        <source>Test taken on %1 at %2</source>
        <translation>Test passé le %1 à %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Âge&#xa0;:</translation>
    </message>
    <message>
        <source>Sex:</source>
        <translation>Sexe&#xa0;:</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Votre réponse</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Total score</source>
        <translation>Score total</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Your Level of Nicotine Dependency is:</source>
        <translation>Votre niveau de dépendance à la nicotine&#xa0;:</translation>
    </message>
    <message>
        <source>The decision to quit nicotine smoking has to be yours. This test can only act as a guideline in letting you understand your level of dependency.</source>
        <translation>La décision d’arrêter de fumer doit venir de vous. Ce test ne peut vous servir que de repère pour comprendre votre niveau de dépendance.</translation>
    </message>
    <message>
        <source>low</source>
        <extracomment>A band of the Heaviness of Smoking Index, after its value: &quot;1 of 6, low&quot;.</extracomment>
        <translation>faible</translation>
    </message>
    <message>
        <source>medium</source>
        <extracomment>A band of the Heaviness of Smoking Index, after its value: &quot;3 of 6, medium&quot;.</extracomment>
        <translation>moyen</translation>
    </message>
    <message>
        <source>high</source>
        <extracomment>A band of the Heaviness of Smoking Index, after its value: &quot;5 of 6, high&quot;.</extracomment>
        <translation>élevé</translation>
    </message>
    <message>
        <source>Heaviness of Smoking Index (HSI), questions 1 and 2: %1 of %2, %3</source>
        <extracomment>The line under the total score; %1 is the index (0 to %2), %3 its band: &quot;low&quot;, &quot;medium&quot; or &quot;high&quot;. &quot;Heaviness of Smoking Index&quot; is the name of a clinical measure, HSI its abbreviation.</extracomment>
        <translation>Heaviness of Smoking Index (HSI), questions 1 et 2&#xa0;: %1 sur %2, %3</translation>
    </message>
    <message>
        <source>Heaviness of Smoking Index (HSI): Heatherton et al., Br J Addict 1989. Bands from the NIDA Data Share instrument page: %1.</source>
        <extracomment>The source of the index and its bands, in the report&apos;s small print; the citation stays as it is. %1 lists the bands with their values: &quot;0–1 low, 2–4 medium, 5–6 high&quot;.</extracomment>
        <translation>Heaviness of Smoking Index (HSI)&#xa0;: Heatherton et al., Br J Addict 1989. Niveaux selon la fiche de l’instrument sur NIDA Data Share&#xa0;: %1.</translation>
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
        <translation>dépendance très faible</translation>
    </message>
    <message>
        <source>slightly dependent</source>
        <translation>dépendance faible</translation>
    </message>
    <message>
        <source>moderately dependent</source>
        <translation>dépendance modérée</translation>
    </message>
    <message>
        <source>highly addicted</source>
        <translation>forte dépendance</translation>
    </message>
    <message>
        <source>very highly addicted</source>
        <translation>très forte dépendance</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Score %1 of %2: %3, %4</source>
        <translation>Score de %1 sur %2&#xa0;: %3, %4</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Scale from %1 to %2: %3</source>
        <extracomment>What a screen reader says of the scale; %1 and %2 are its lowest and highest score, %3 its levels.</extracomment>
        <translation>Échelle de %1 à %2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>cindrel::Accessibility</name>
    <message>
        <source>Opens the Velmor Softwares catalogue in your web browser</source>
        <translation>Ouvre le catalogue de Velmor Softwares dans votre navigateur web</translation>
    </message>
    <message>
        <source>Opens the donation page in your web browser</source>
        <translation>Ouvre la page des dons dans votre navigateur web</translation>
    </message>
    <message>
        <source>Opens the online help in your web browser</source>
        <translation>Ouvre l’aide en ligne dans votre navigateur web</translation>
    </message>
    <message>
        <source>Opens the page on fully branded software in your web browser</source>
        <translation>Ouvre la page sur les logiciels entièrement aux couleurs de votre site dans votre navigateur web</translation>
    </message>
    <message>
        <source>Opens the page on co-branding in your web browser</source>
        <translation>Ouvre la page sur le co-marquage dans votre navigateur web</translation>
    </message>
    <message>
        <source>Opens the forum&apos;s home page in your web browser</source>
        <translation>Ouvre la page d’accueil du forum dans votre navigateur web</translation>
    </message>
    <message>
        <source>Opens the download page in your web browser</source>
        <translation>Ouvre la page de téléchargement dans votre navigateur web</translation>
    </message>
</context>
<context>
    <name>cindrel::AppIcon</name>
    <message>
        <source>%1 icon</source>
        <extracomment>The accessible name of the picture box showing the program&apos;s icon; %1 is the program&apos;s name.</extracomment>
        <translation>Icône de %1</translation>
    </message>
</context>
<context>
    <name>cindrel::FrmAbout</name>
    <message>
        <source>Cindrel is a simple health tool that helps one know their level of dependency on nicotine. Nicotine has harmful effects and is best to be avoided. All rights in this software are reserved by %1.</source>
        <extracomment>The About window&apos;s description; %1 is the maker. In every translation, add a sentence saying that this translation of the questionnaire is the program&apos;s own and not a validated clinical version.</extracomment>
        <translation>Cindrel est un outil de santé simple qui vous aide à connaître votre niveau de dépendance à la nicotine. La nicotine a des effets nocifs et il vaut mieux l’éviter. Tous les droits sur ce logiciel sont réservés à %1. Cette version française du questionnaire est une traduction propre au programme et non une version clinique validée.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the forum&apos;s web address.</extracomment>
        <translation>Cliquez ici pour visiter %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Une activité à domicile&#xa0;: créez votre propre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement aux couleurs de votre site web.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>The notices should be in %1, which cannot be read.</source>
        <translation>Les mentions de licence devraient se trouver dans %1, mais ce fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>%1 %2
Copyright %3 %4. All rights in this software are reserved by %4.

%1 runs with Qt %5, which it uses under the terms of the GNU Lesser General Public License, version 3 (LGPL-3).</source>
        <extracomment>The Licences window&apos;s opening: %1 is the program&apos;s name, %2 its version, %3 the year, %4 the maker, %5 Qt&apos;s version. The notices that follow it stay in English, as licences do.</extracomment>
        <translation>%1 %2
Copyright %3 %4. Tous les droits sur ce logiciel sont réservés à %4.

%1 fonctionne avec Qt %5, qu’il utilise selon les termes de la GNU Lesser General Public License, version 3 (LGPL-3).</translation>
    </message>
    <message>
        <source>Licences</source>
        <extracomment>The link to the licence notices of the program and of the software it uses.</extracomment>
        <translation>Licences</translation>
    </message>
    <message>
        <source>Opens the licences of this program and of the software it uses</source>
        <translation>Ouvre les licences de ce programme et des logiciels qu’il utilise</translation>
    </message>
</context>
<context>
    <name>cindrel::FrmFarewell</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recommander à un ami</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Recommander &amp;maintenant</translation>
    </message>
    <message>
        <source>Download Velmor Softwares</source>
        <translation>Télécharger les logiciels Velmor</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmor Softwares</source>
        <translation>Visitez Velmor Softwares</translation>
    </message>
</context>
<context>
    <name>cindrel::FrmMain</name>
    <message>
        <source>The Most Popular Online Velmor Discussion Forum. Click Here To Visit %1 Now.</source>
        <extracomment>A link at the top of the main window, wrapped over two lines; %1 is the forum&apos;s web address.</extracomment>
        <translation>Le forum de discussion Velmor le plus populaire sur Internet. Cliquez ici pour visiter %1 dès maintenant.</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>Informations personnelles</translation>
    </message>
    <message>
        <source>Nicotine Dependency describes your &quot;craving&quot; for nicotine from smoking. Nicotine has very bad effects on the health of person affecting his / her heart, brain and other body functions.</source>
        <translation>La dépendance à la nicotine décrit votre «&#xa0;besoin&#xa0;» de la nicotine que vous absorbez en fumant. La nicotine a des effets très néfastes sur la santé&#xa0;: elle atteint le cœur, le cerveau et d’autres fonctions du corps.</translation>
    </message>
    <message>
        <source>Enter Name</source>
        <translation>Saisissez votre nom</translation>
    </message>
    <message>
        <source>Enter Age</source>
        <translation>Saisissez votre âge</translation>
    </message>
    <message>
        <source>Select Sex</source>
        <translation>Choisissez votre sexe</translation>
    </message>
    <message>
        <source>&amp;Take the Nicotine Dependency Test</source>
        <extracomment>The access keys of the main window&apos;s buttons and menus must differ.</extracomment>
        <translation>&amp;Passer le test de dépendance à la nicotine</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>The name a screen reader gives the list of answers.</extracomment>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Next &amp;Question</source>
        <translation>&amp;Question suivante</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>&amp;Main Screen</source>
        <translation>&amp;Revenir à l’accueil</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>A link at the bottom of the main window; shown as it stands, runs of blanks included.</extracomment>
        <translation>Associez votre marque à ce logiciel.  Fidélisez vos visiteurs et augmentez le trafic de votre site. Placez ici le nom &amp;  le lien de votre site. Voir «&#xa0;Aide&#xa0;» pour les détails.    Cliquez ici pour en savoir plus sur le co-marquage.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Une activité à domicile&#xa0;: créez votre propre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement aux couleurs de votre site web. Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Aide en &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site web</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher une &amp;mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Gagner de l’argent en &amp;ligne</translation>
    </message>
</context>
<context>
    <name>cindrel::Placeholders</name>
    <message>
        <source>Your Name</source>
        <extracomment>Stands in the referrer&apos;s name field while nothing is entered.</extracomment>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <extracomment>Stands in the field of the message to the friend while nothing is entered.</extracomment>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Veuillez saisir votre adresse e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Veuillez saisir votre message</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Veuillez saisir le nom de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Veuillez saisir l’adresse e-mail de votre ami</translation>
    </message>
</context>
<context>
    <name>cindrel::ReferralChecks</name>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Une adresse e-mail ne peut pas contenir d’espace</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Veuillez saisir deux adresses e-mail différentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Veuillez saisir une adresse e-mail valide</translation>
    </message>
    <message>
        <source>Please Enter At Most %1 Characters</source>
        <extracomment>%1 is the number of characters the field takes.</extracomment>
        <translation>Veuillez saisir %1 caractères au plus</translation>
    </message>
</context>
<context>
    <name>cindrel::ResultMenu</name>
    <message>
        <source>&amp;Print Result...</source>
        <translation>&amp;Imprimer le résultat…</translation>
    </message>
    <message>
        <source>&amp;Save Result as PDF...</source>
        <translation>&amp;Enregistrer le résultat en PDF…</translation>
    </message>
</context>
<context>
    <name>cindrel::Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>Le programme est déjà en cours d’exécution</translation>
    </message>
</context>
<context>
    <name>cindrel::SupportMessages</name>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Velmor Softwares. From a single software, we have now grown to become the world’s largest resource of velmor softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first paragraph of the promotion panel of the farewell window.</extracomment>
        <translation>Si vous avez aimé ce logiciel, nos autres logiciels Velmor vous intéresseront sûrement. Partis d’un seul logiciel, nous sommes devenus la plus grande source de logiciels Velmor au monde. Astrologie, voyance, tarot, numérologie ou occultisme&#xa0;: nous avons des programmes dans tous les domaines, ce qui offre à nos utilisateurs un large choix selon leurs intérêts.</translation>
    </message>
    <message>
        <source>All the programs in the Velmor Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <extracomment>The second paragraph of the promotion panel; keep the space at its end.</extracomment>
        <translation>Tous les programmes de la gamme Velmor Softwares sont simples et faciles à utiliser. Ils sont non seulement amusants, mais aussi très instructifs. Essayez-les dès aujourd’hui et partagez votre expérience avec vos amis et votre famille. </translation>
    </message>
    <message>
        <source>Velmor Softwares like this one can be created and maintained only with your support. The best way to support us is to visit our forum at %1 regularly and take part in the discussions and other activities there.</source>
        <extracomment>A support message of the farewell window; %1 is the forum&apos;s web address.</extracomment>
        <translation>Les logiciels Velmor comme celui-ci ne peuvent être créés et entretenus qu’avec votre soutien. La meilleure façon de nous soutenir est de visiter régulièrement notre forum sur %1 et d’y participer aux discussions et aux autres activités.</translation>
    </message>
    <message>
        <source>Please visit our forum at %1 regularly and support it by taking part in its discussions and other activities. This software cannot be supported and maintained without your regular visits.</source>
        <extracomment>A support message of the farewell window; %1 is the forum&apos;s web address.</extracomment>
        <translation>Visitez régulièrement notre forum sur %1 et soutenez-le en participant à ses discussions et à ses autres activités. Sans vos visites régulières, ce logiciel ne peut être ni soutenu ni entretenu.</translation>
    </message>
    <message>
        <source>%1 is a &quot;FREE&quot; online discussion forum on smoking, quitting and healthy living. To help us develop and maintain this software, please visit it regularly.</source>
        <extracomment>A support message of the farewell window; %1 is the forum&apos;s web address.</extracomment>
        <translation>%1 est un forum de discussion en ligne «&#xa0;GRATUIT&#xa0;» sur le tabac, l’arrêt du tabac et la vie saine. Pour nous aider à développer et à entretenir ce logiciel, visitez-le régulièrement.</translation>
    </message>
    <message>
        <source>Our forum at %1 needs your help. All you have to do is visit it regularly and take part in its discussions and activities, to help us maintain and develop more Velmor Softwares.</source>
        <extracomment>A support message of the farewell window; %1 is the forum&apos;s web address.</extracomment>
        <translation>Notre forum sur %1 a besoin de votre aide. Il vous suffit de le visiter régulièrement et de participer à ses discussions et à ses activités pour nous aider à entretenir et à développer d’autres logiciels Velmor.</translation>
    </message>
    <message>
        <source>Click here to visit our forum at %1 now</source>
        <extracomment>The caption of the check box that opens the forum; %1 is the forum&apos;s web address.</extracomment>
        <translation>Visitez dès maintenant notre forum sur %1</translation>
    </message>
</context>
<context>
    <name>cindrel::TestWizard</name>
    <message>
        <source>Only numbers are accepted</source>
        <translation>Seuls les chiffres sont acceptés</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>Please enter your age</source>
        <translation>Veuillez saisir votre âge</translation>
    </message>
    <message>
        <source>Please enter your age in years, from %1 to %2</source>
        <extracomment>%1 and %2 are the youngest and the oldest age accepted.</extracomment>
        <translation>Veuillez saisir votre âge en années, de %1 à %2</translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <extracomment>The question counter; %1 is the number of the question shown, %2 the number of questions.</extracomment>
        <translation>Question %1 sur %2</translation>
    </message>
    <message>
        <source>Please enter a name of at most %1 characters</source>
        <extracomment>%1 is the number of characters the name box takes.</extracomment>
        <translation>Veuillez saisir un nom de %1 caractères au plus</translation>
    </message>
</context>
<context>
    <name>cindrel::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Voulez-vous rechercher une mise à jour&#xa0;?</translation>
    </message>
</context>
<context>
    <name>cindrel::modTellAFriend</name>
    <message>
        <source>Your Referral Is Too Long To Send</source>
        <translation>Votre recommandation est trop longue pour être envoyée</translation>
    </message>
</context>
</TS>
