<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>la opción «%1» no admite ningún valor</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes its value as the next argument</source>
        <translation>la opción «%1» toma su valor del argumento siguiente</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>la opción «%1» requiere un valor</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Pruebe «%1 --help» para más información.</translation>
    </message>
    <message>
        <source>Measures a smoker&apos;s dependence on nicotine: six questions, a score from
0 to 10 and a verdict.</source>
        <translation>Mide la dependencia de la nicotina en un fumador: seis preguntas, una
puntuación de 0 a 10 y un veredicto.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the program&apos;s name and version and exit.</source>
        <translation>Mostrar el nombre y la versión del programa y salir.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options work as well, among them
-platform NAME (wayland or xcb), -style NAME and -reverse.
The manual page %1(1) has the details.</source>
        <translation>Las opciones estándar de Qt también funcionan, entre ellas
-platform NOMBRE (wayland o xcb), -style NOMBRE y -reverse.
La página de manual %1(1) da los detalles.</translation>
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
        <translation>%1 se está ejecutando desde %2. Ciérrelo y elija Reintentar.</translation>
    </message>
    <message>
        <source>Installing or removing %1 for all users needs administrator rights.</source>
        <comment>NeedsAdmin</comment>
        <extracomment>A message box, when an install or removal for all users lacks the rights: Windows&apos; elevation prompt was declined, or gave none. %1 is the program&apos;s name.</extracomment>
        <translation>Instalar o quitar %1 para todos los usuarios requiere derechos de administrador.</translation>
    </message>
    <message>
        <source>The installed %1 in %2 could not be removed; nothing was changed.</source>
        <comment>RemovalFailed</comment>
        <extracomment>A message box, when the uninstaller of the install being replaced failed; nothing else was done. %1 is the program&apos;s name, %2 the folder of that install.</extracomment>
        <translation>No se pudo quitar el %1 instalado en %2; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Removing the installed %1 from %2</source>
        <comment>Removing</comment>
        <extracomment>A line in the installer&apos;s list of steps, as it removes an earlier install before it installs. %1 is the program&apos;s name, %2 the folder of the earlier install.</extracomment>
        <translation>Quitando el %1 instalado en %2</translation>
    </message>
    <message>
        <source>%1 needs Windows 10 version 1809 or later. Nothing was installed.</source>
        <comment>OldWindows</comment>
        <extracomment>A message box on a Windows the program cannot run on; the installer then ends and installs nothing. %1 is the program&apos;s name. &quot;Version 1809&quot; is Windows&apos; own name of that update.</extracomment>
        <translation>%1 necesita Windows 10 versión 1809 o posterior. No se ha instalado nada.</translation>
    </message>
    <message>
        <source>An earlier version of %1 is installed for all users in %2. Removing it first needs administrator rights; nothing was changed.</source>
        <comment>EarlierNeedsAdmin</comment>
        <extracomment>A message box, when an install for the current user finds an earlier version installed for all users and Windows&apos; elevation prompt to remove it was declined. %1 is the program&apos;s name, %2 the earlier one&apos;s folder.</extracomment>
        <translation>Hay una versión anterior de %1 instalada para todos los usuarios en %2. Quitarla antes requiere derechos de administrador; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The earlier version of %1 in %2 could not be removed completely. Remove it in Windows&apos; Settings under Apps, then install again.</source>
        <comment>EarlierRemovalFailed</comment>
        <extracomment>A message box, when the earlier version&apos;s own uninstaller left it in place. %1 is the program&apos;s name, %2 the earlier one&apos;s folder. &quot;Apps&quot; is the page of Windows&apos; Settings, in Windows&apos; words.</extracomment>
        <translation>No se pudo quitar por completo la versión anterior de %1 en %2. Quítela en la Configuración de Windows, en «Aplicaciones», y vuelva a iniciar la instalación.</translation>
    </message>
</context>
<context>
    <name>Printouts</name>
    <message>
        <source>Save Result as PDF</source>
        <translation>Guardar resultado como PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>no se pudo dibujar la página</translation>
    </message>
    <message>
        <source>Print Result</source>
        <translation>Imprimir resultado</translation>
    </message>
    <message>
        <source>the printer did not take the page</source>
        <translation>la impresora no aceptó la página</translation>
    </message>
    <message>
        <source>printing is not installed with this program</source>
        <translation>la función de impresión de este programa no está instalada</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>no hay ninguna impresora configurada en este equipo</translation>
    </message>
</context>
<context>
    <name>QuestionBank</name>
    <message>
        <source>1. How many cigarettes do you smoke in a day?</source>
        <translation>1. ¿Cuántos cigarrillos fuma al día?</translation>
    </message>
    <message>
        <source>2. When do you smoke your first cigarette of the day?</source>
        <translation>2. ¿Cuándo fuma su primer cigarrillo del día?</translation>
    </message>
    <message>
        <source>3. Do you find it difficult not to smoke in restricted places?</source>
        <translation>3. ¿Le resulta difícil no fumar en los lugares donde está prohibido?</translation>
    </message>
    <message>
        <source>4. Which cigarette is the most satisfying?</source>
        <translation>4. ¿Qué cigarrillo le produce más satisfacción?</translation>
    </message>
    <message>
        <source>5. Do you smoke even when you are sick in bed?</source>
        <translation>5. ¿Fuma incluso cuando tiene que guardar cama por enfermedad?</translation>
    </message>
    <message>
        <source>6. Do you smoke more frequently in the first half of the day?</source>
        <translation>6. ¿Fuma con más frecuencia en la primera mitad del día?</translation>
    </message>
    <message>
        <source>Less than 10</source>
        <extracomment>Answers to question 1, in cigarettes a day.</extracomment>
        <translation>10 o menos</translation>
    </message>
    <message>
        <source>Between 11- 20</source>
        <translation>Entre 11 y 20</translation>
    </message>
    <message>
        <source>Between 21- 30</source>
        <translation>Entre 21 y 30</translation>
    </message>
    <message>
        <source>More than 30</source>
        <translation>Más de 30</translation>
    </message>
    <message>
        <source>Within five minutes</source>
        <extracomment>Answers to question 2: how soon after waking up.</extracomment>
        <translation>En los primeros cinco minutos</translation>
    </message>
    <message>
        <source>More than five minutes but within half an hour of waking up</source>
        <translation>Después de cinco minutos, pero en la primera media hora tras despertarse</translation>
    </message>
    <message>
        <source>Between half an hour to an hour</source>
        <translation>Entre media hora y una hora</translation>
    </message>
    <message>
        <source>After one hour</source>
        <translation>Más de una hora después</translation>
    </message>
    <message>
        <source>Yes</source>
        <extracomment>An answer to questions 3, 5 and 6.</extracomment>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>The first one</source>
        <extracomment>Answers to question 4: the first cigarette of the day, or any other.</extracomment>
        <translation>El primero</translation>
    </message>
    <message>
        <source>The others</source>
        <translation>Los demás</translation>
    </message>
    <message>
        <source>You are very slightly dependent on nicotine</source>
        <translation>Su dependencia de la nicotina es muy leve</translation>
    </message>
    <message>
        <source>You are slightly dependent on nicotine</source>
        <translation>Su dependencia de la nicotina es leve</translation>
    </message>
    <message>
        <source>You are moderately dependent on nicotine</source>
        <translation>Su dependencia de la nicotina es moderada</translation>
    </message>
    <message>
        <source>You are highly addicted to nicotine</source>
        <translation>Tiene una fuerte adicción a la nicotina</translation>
    </message>
    <message>
        <source>You are very highly addicted to nicotine</source>
        <translation>Tiene una adicción muy fuerte a la nicotina</translation>
    </message>
    <message>
        <source>Your Score is: %1</source>
        <extracomment>The result&apos;s first line; %1 is the score, a number from 0 to 10.</extracomment>
        <translation>Su puntuación es: %1</translation>
    </message>
    <message>
        <source>Your Level of Nicotine Dependency is: </source>
        <extracomment>The heading above the verdict, e.g. &quot;You are highly addicted to nicotine&quot;.</extracomment>
        <translation>Su nivel de dependencia de la nicotina es: </translation>
    </message>
    <message>
        <source>Male</source>
        <extracomment>An entry of the sex list.</extracomment>
        <translation>Hombre</translation>
    </message>
    <message>
        <source>Female</source>
        <extracomment>An entry of the sex list.</extracomment>
        <translation>Mujer</translation>
    </message>
</context>
<context>
    <name>ResultOutput</name>
    <message>
        <source>The result could not be saved as %1.</source>
        <translation>No se pudo guardar el resultado como %1.</translation>
    </message>
    <message>
        <source>The result could not be saved as %1: %2</source>
        <translation>No se pudo guardar el resultado como %1: %2</translation>
    </message>
    <message>
        <source>The result could not be printed.</source>
        <translation>No se pudo imprimir el resultado.</translation>
    </message>
    <message>
        <source>The result could not be printed: %1</source>
        <translation>No se pudo imprimir el resultado: %1</translation>
    </message>
</context>
<context>
    <name>ResultReport</name>
    <message>
        <source>%1 result %2</source>
        <translation>Resultado de %1 %2</translation>
    </message>
    <message>
        <source>Nicotine Dependency Test Result</source>
        <translation>Resultado del test de dependencia de la nicotina</translation>
    </message>
    <message>
        <source>%1 version %2</source>
        <translation>%1 versión %2</translation>
    </message>
    <message>
        <source>Test taken on %1 at %2</source>
        <translation>Test realizado el %1, %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Edad:</translation>
    </message>
    <message>
        <source>Sex:</source>
        <translation>Sexo:</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Su respuesta</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Total score</source>
        <translation>Puntuación total</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Your Level of Nicotine Dependency is:</source>
        <translation>Su nivel de dependencia de la nicotina es:</translation>
    </message>
    <message>
        <source>The decision to quit nicotine smoking has to be yours. This test can only act as a guideline in letting you understand your level of dependency.</source>
        <translation>La decisión de dejar de fumar tiene que ser suya. Este test solo puede servirle de orientación para entender su nivel de dependencia.</translation>
    </message>
    <message>
        <source>low</source>
        <extracomment>A band of the Heaviness of Smoking Index, after its value: &quot;1 of 6, low&quot;.</extracomment>
        <translation>bajo</translation>
    </message>
    <message>
        <source>medium</source>
        <extracomment>A band of the Heaviness of Smoking Index, after its value: &quot;3 of 6, medium&quot;.</extracomment>
        <translation>medio</translation>
    </message>
    <message>
        <source>high</source>
        <extracomment>A band of the Heaviness of Smoking Index, after its value: &quot;5 of 6, high&quot;.</extracomment>
        <translation>alto</translation>
    </message>
    <message>
        <source>Heaviness of Smoking Index (HSI), questions 1 and 2: %1 of %2, %3</source>
        <extracomment>The line under the total score; %1 is the index (0 to %2), %3 its band: &quot;low&quot;, &quot;medium&quot; or &quot;high&quot;. &quot;Heaviness of Smoking Index&quot; is the name of a clinical measure, HSI its abbreviation.</extracomment>
        <translation>Heaviness of Smoking Index (HSI), preguntas 1 y 2: %1 de %2, %3</translation>
    </message>
    <message>
        <source>Heaviness of Smoking Index (HSI): Heatherton et al., Br J Addict 1989. Bands from the NIDA Data Share instrument page: %1.</source>
        <extracomment>The source of the index and its bands, in the report&apos;s small print; the citation stays as it is. %1 lists the bands with their values: &quot;0–1 low, 2–4 medium, 5–6 high&quot;.</extracomment>
        <translation>Heaviness of Smoking Index (HSI): Heatherton et al., Br J Addict 1989. Niveles según la ficha del instrumento en NIDA Data Share: %1.</translation>
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
        <translation>dependencia muy leve</translation>
    </message>
    <message>
        <source>slightly dependent</source>
        <translation>dependencia leve</translation>
    </message>
    <message>
        <source>moderately dependent</source>
        <translation>dependencia moderada</translation>
    </message>
    <message>
        <source>highly addicted</source>
        <translation>adicción fuerte</translation>
    </message>
    <message>
        <source>very highly addicted</source>
        <translation>adicción muy fuerte</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Score %1 of %2: %3, %4</source>
        <translation>Puntuación %1 de %2: %3, %4</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Scale from %1 to %2: %3</source>
        <extracomment>What a screen reader says of the scale; %1 and %2 are its lowest and highest score, %3 its levels.</extracomment>
        <translation>Escala de %1 a %2: %3</translation>
    </message>
</context>
<context>
    <name>cindrel::Accessibility</name>
    <message>
        <source>Opens the Velmor Softwares catalogue in your web browser</source>
        <translation>Abre el catálogo de Velmor Softwares en su navegador web</translation>
    </message>
    <message>
        <source>Opens the donation page in your web browser</source>
        <translation>Abre la página de donaciones en su navegador web</translation>
    </message>
    <message>
        <source>Opens the online help in your web browser</source>
        <translation>Abre la ayuda en línea en su navegador web</translation>
    </message>
    <message>
        <source>Opens the page on fully branded software in your web browser</source>
        <translation>Abre la página sobre software totalmente personalizado con su marca en su navegador web</translation>
    </message>
    <message>
        <source>Opens the page on co-branding in your web browser</source>
        <translation>Abre la página sobre la marca compartida en su navegador web</translation>
    </message>
    <message>
        <source>Opens the forum&apos;s home page in your web browser</source>
        <translation>Abre la página de inicio del foro en su navegador web</translation>
    </message>
    <message>
        <source>Opens the download page in your web browser</source>
        <translation>Abre la página de descargas en su navegador web</translation>
    </message>
</context>
<context>
    <name>cindrel::AppIcon</name>
    <message>
        <source>%1 icon</source>
        <extracomment>The accessible name of the picture box showing the program&apos;s icon; %1 is the program&apos;s name.</extracomment>
        <translation>Icono de %1</translation>
    </message>
</context>
<context>
    <name>cindrel::FrmAbout</name>
    <message>
        <source>Cindrel is a simple health tool that helps one know their level of dependency on nicotine. Nicotine has harmful effects and is best to be avoided. All rights in this software are reserved by %1.</source>
        <extracomment>The About window&apos;s description; %1 is the maker. In every translation, add a sentence saying that this translation of the questionnaire is the program&apos;s own and not a validated clinical version.</extracomment>
        <translation>Cindrel es una sencilla herramienta de salud que le ayuda a conocer su nivel de dependencia de la nicotina. La nicotina tiene efectos nocivos y lo mejor es evitarla. Todos los derechos de este software están reservados a %1. Esta versión en español del cuestionario es una traducción propia del programa y no una versión clínica validada.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the forum&apos;s web address.</extracomment>
        <translation>Haga clic aquí para visitar %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidad de negocio desde casa: cree su propio negocio en Internet y gane dinero en línea. Consiga este software totalmente personalizado con la marca de su sitio web.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Haga clic aquí para más detalles.</translation>
    </message>
    <message>
        <source>The notices should be in %1, which cannot be read.</source>
        <translation>Los avisos de licencia deberían estar en %1, pero no se puede leer ese archivo.</translation>
    </message>
    <message>
        <source>%1 %2
Copyright %3 %4. All rights in this software are reserved by %4.

%1 runs with Qt %5, which it uses under the terms of the GNU Lesser General Public License, version 3 (LGPL-3).</source>
        <extracomment>The Licences window&apos;s opening: %1 is the program&apos;s name, %2 its version, %3 the year, %4 the maker, %5 Qt&apos;s version. The notices that follow it stay in English, as licences do.</extracomment>
        <translation>%1 %2
Copyright %3 %4. Todos los derechos de este software están reservados a %4.

%1 funciona con Qt %5 y lo utiliza según los términos de la GNU Lesser General Public License, versión 3 (LGPL-3).</translation>
    </message>
    <message>
        <source>Licences</source>
        <extracomment>The link to the licence notices of the program and of the software it uses.</extracomment>
        <translation>Licencias</translation>
    </message>
    <message>
        <source>Opens the licences of this program and of the software it uses</source>
        <translation>Abre las licencias de este programa y del software que utiliza</translation>
    </message>
</context>
<context>
    <name>cindrel::FrmFarewell</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomendar a un amigo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Recomendar &amp;ahora</translation>
    </message>
    <message>
        <source>Download Velmor Softwares</source>
        <translation>Descargar programas Velmor</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmor Softwares</source>
        <translation>Visite Velmor Softwares</translation>
    </message>
</context>
<context>
    <name>cindrel::FrmMain</name>
    <message>
        <source>The Most Popular Online Velmor Discussion Forum. Click Here To Visit %1 Now.</source>
        <extracomment>A link at the top of the main window, wrapped over two lines; %1 is the forum&apos;s web address.</extracomment>
        <translation>El foro de debate en línea de Velmor más popular. Haga clic aquí para visitar %1 ahora.</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>Datos personales</translation>
    </message>
    <message>
        <source>Nicotine Dependency describes your &quot;craving&quot; for nicotine from smoking. Nicotine has very bad effects on the health of person affecting his / her heart, brain and other body functions.</source>
        <translation>La dependencia de la nicotina describe su «ansia» de la nicotina que obtiene al fumar. La nicotina es muy perjudicial para la salud: afecta al corazón, al cerebro y a otras funciones del cuerpo.</translation>
    </message>
    <message>
        <source>Enter Name</source>
        <translation>Introduzca su nombre</translation>
    </message>
    <message>
        <source>Enter Age</source>
        <translation>Introduzca su edad</translation>
    </message>
    <message>
        <source>Select Sex</source>
        <translation>Elija su sexo</translation>
    </message>
    <message>
        <source>&amp;Take the Nicotine Dependency Test</source>
        <extracomment>The access keys of the main window&apos;s buttons and menus must differ.</extracomment>
        <translation>&amp;Hacer el test de dependencia de la nicotina</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Preguntas</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>The name a screen reader gives the list of answers.</extracomment>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Next &amp;Question</source>
        <translation>&amp;Siguiente pregunta</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>&amp;Main Screen</source>
        <translation>&amp;Volver al inicio</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>A link at the bottom of the main window; shown as it stands, runs of blanks included.</extracomment>
        <translation>Ponga la marca de su sitio en este software.  Aumente la fidelidad y el tráfico de su sitio. Ponga aquí el nombre &amp;  el enlace de su sitio. Consulte la «Ayuda» para más detalles.    Haga clic aquí para saber más sobre la marca compartida.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa: cree su propio negocio en Internet y gane dinero en línea. Consiga este software totalmente personalizado con la marca de su sitio web. Haga clic aquí para más detalles.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar sitio web</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Ganar dinero en &amp;línea</translation>
    </message>
</context>
<context>
    <name>cindrel::Placeholders</name>
    <message>
        <source>Your Name</source>
        <extracomment>Stands in the referrer&apos;s name field while nothing is entered.</extracomment>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Su correo electrónico</translation>
    </message>
    <message>
        <source>Your Message</source>
        <extracomment>Stands in the field of the message to the friend while nothing is entered.</extracomment>
        <translation>Su mensaje</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre de su amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo electrónico de su amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Introduzca su nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Introduzca su correo electrónico</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Introduzca su mensaje</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Introduzca el nombre de su amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Introduzca el correo electrónico de su amigo</translation>
    </message>
</context>
<context>
    <name>cindrel::ReferralChecks</name>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>El correo electrónico no puede contener espacios</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Introduzca dos correos electrónicos distintos</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Introduzca un correo electrónico válido</translation>
    </message>
    <message>
        <source>Please Enter At Most %1 Characters</source>
        <extracomment>%1 is the number of characters the field takes.</extracomment>
        <translation>Introduzca %1 caracteres como máximo</translation>
    </message>
</context>
<context>
    <name>cindrel::ResultMenu</name>
    <message>
        <source>&amp;Print Result...</source>
        <translation>&amp;Imprimir resultado…</translation>
    </message>
    <message>
        <source>&amp;Save Result as PDF...</source>
        <translation>&amp;Guardar resultado como PDF…</translation>
    </message>
</context>
<context>
    <name>cindrel::Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>El programa ya se está ejecutando</translation>
    </message>
</context>
<context>
    <name>cindrel::SupportMessages</name>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Velmor Softwares. From a single software, we have now grown to become the world’s largest resource of velmor softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first paragraph of the promotion panel of the farewell window.</extracomment>
        <translation>Si le ha gustado este software, seguro que le interesarán nuestros demás programas Velmor. Empezamos con un solo programa y hoy somos la mayor fuente de programas Velmor del mundo. Astrología, videncia, tarot, numerología u ocultismo: tenemos programas en todos los campos, lo que ofrece a nuestros usuarios una amplia variedad según sus intereses.</translation>
    </message>
    <message>
        <source>All the programs in the Velmor Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <extracomment>The second paragraph of the promotion panel; keep the space at its end.</extracomment>
        <translation>Todos los programas de la colección Velmor Softwares son sencillos y fáciles de usar. No solo son divertidos, sino también muy informativos. Pruébelos hoy mismo y comparta su experiencia con sus amigos y familiares. </translation>
    </message>
    <message>
        <source>Velmor Softwares like this one can be created and maintained only with your support. The best way to support us is to visit our forum at %1 regularly and take part in the discussions and other activities there.</source>
        <extracomment>A support message of the farewell window; %1 is the forum&apos;s web address.</extracomment>
        <translation>Los programas Velmor como este solo pueden crearse y mantenerse con su apoyo. La mejor forma de apoyarnos es visitar con regularidad nuestro foro en %1 y participar allí en los debates y demás actividades.</translation>
    </message>
    <message>
        <source>Please visit our forum at %1 regularly and support it by taking part in its discussions and other activities. This software cannot be supported and maintained without your regular visits.</source>
        <extracomment>A support message of the farewell window; %1 is the forum&apos;s web address.</extracomment>
        <translation>Visite con regularidad nuestro foro en %1 y apóyelo participando en sus debates y demás actividades. Sin sus visitas regulares, este software no puede recibir soporte ni mantenerse.</translation>
    </message>
    <message>
        <source>%1 is a &quot;FREE&quot; online discussion forum on smoking, quitting and healthy living. To help us develop and maintain this software, please visit it regularly.</source>
        <extracomment>A support message of the farewell window; %1 is the forum&apos;s web address.</extracomment>
        <translation>%1 es un foro de debate en línea «GRATUITO» sobre fumar, dejar de fumar y llevar una vida sana. Para ayudarnos a desarrollar y mantener este software, visítelo con regularidad.</translation>
    </message>
    <message>
        <source>Our forum at %1 needs your help. All you have to do is visit it regularly and take part in its discussions and activities, to help us maintain and develop more Velmor Softwares.</source>
        <extracomment>A support message of the farewell window; %1 is the forum&apos;s web address.</extracomment>
        <translation>Nuestro foro en %1 necesita su ayuda. Solo tiene que visitarlo con regularidad y participar en sus debates y actividades para ayudarnos a mantener y desarrollar más programas Velmor.</translation>
    </message>
    <message>
        <source>Click here to visit our forum at %1 now</source>
        <extracomment>The caption of the check box that opens the forum; %1 is the forum&apos;s web address.</extracomment>
        <translation>Visite ahora nuestro foro en %1</translation>
    </message>
</context>
<context>
    <name>cindrel::TestWizard</name>
    <message>
        <source>Only numbers are accepted</source>
        <translation>Solo se admiten números</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Introduzca su nombre</translation>
    </message>
    <message>
        <source>Please enter your age</source>
        <translation>Introduzca su edad</translation>
    </message>
    <message>
        <source>Please enter your age in years, from %1 to %2</source>
        <extracomment>%1 and %2 are the youngest and the oldest age accepted.</extracomment>
        <translation>Introduzca su edad en años, de %1 a %2</translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <extracomment>The question counter; %1 is the number of the question shown, %2 the number of questions.</extracomment>
        <translation>Pregunta %1 de %2</translation>
    </message>
    <message>
        <source>Please enter a name of at most %1 characters</source>
        <extracomment>%1 is the number of characters the name box takes.</extracomment>
        <translation>Introduzca un nombre de %1 caracteres como máximo</translation>
    </message>
</context>
<context>
    <name>cindrel::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Puede que haya una actualización disponible para este software</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>¿Desea buscar una actualización?</translation>
    </message>
</context>
<context>
    <name>cindrel::modTellAFriend</name>
    <message>
        <source>Your Referral Is Too Long To Send</source>
        <translation>Su recomendación es demasiado larga y no se puede enviar</translation>
    </message>
</context>
</TS>
