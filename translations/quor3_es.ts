<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Quor 3   v%1</source>
        <translation>Quor 3   v%1</translation>
    </message>
    <message>
        <source>Statistics and suggested plays for the daily three-digit game.
Every draw is independent: no list of plays improves the odds.</source>
        <translation>Estadísticas y jugadas sugeridas para el juego diario de tres dígitos.
Cada sorteo es independiente: ninguna lista de jugadas mejora las probabilidades.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior.</translation>
    </message>
    <message>
        <source>Help &gt; Contents</source>
        <translation>Ayuda &gt; Contenido</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Soporte:</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Acerca de &amp;Qt</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>AddDrawsWindow</name>
    <message>
        <source>January</source>
        <translation>Enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Diciembre</translation>
    </message>
    <message>
        <source>Add Winning Entries</source>
        <translation>Agregar números ganadores</translation>
    </message>
    <message>
        <source>Draw Date</source>
        <translation>Fecha del sorteo</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>&amp;Enter Entry</source>
        <translation>&amp;Guardar número</translation>
    </message>
    <message>
        <source>Notify me if an entry matches one</source>
        <translation>Avisarme si un número coincide</translation>
    </message>
    <message>
        <source>of the Computer Choices</source>
        <translation>con una de las jugadas sugeridas</translation>
    </message>
    <message>
        <source>This database holds %1 draws, its limit. Storing this draw keeps the newest %2 in it for the reports; every draw stays in the full history (%3 draws) and in a backup. Store it?</source>
        <translation>Esta base de datos tiene %1 sorteos, su límite. Al guardar este sorteo se conservan en ella los %2 más recientes para los informes; todos los sorteos quedan en el historial completo (%3 sorteos) y en una copia de seguridad. ¿Desea guardarlo?</translation>
    </message>
    <message>
        <source>No database is open: open or name one first.</source>
        <translation>No hay ninguna base de datos abierta: abra una o dele un nombre primero.</translation>
    </message>
    <message>
        <source>%1 is after today. Store it?</source>
        <translation>%1 es posterior a hoy. ¿Desea guardarlo?</translation>
    </message>
    <message>
        <source>Total Draws: </source>
        <translation>Total de sorteos: </translation>
    </message>
    <message>
        <source>Last Draw Date: </source>
        <translation>Último sorteo: </translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ask again for this database</source>
        <translation>&amp;No volver a preguntar para esta base de datos</translation>
    </message>
    <message>
        <source>Draw date</source>
        <translation>Fecha del sorteo</translation>
    </message>
    <message>
        <source>First digit</source>
        <translation>Primer dígito</translation>
    </message>
    <message>
        <source>Second digit</source>
        <translation>Segundo dígito</translation>
    </message>
    <message>
        <source>Third digit</source>
        <translation>Tercer dígito</translation>
    </message>
    <message>
        <source>Notify me if an entry matches one of the Computer Choices</source>
        <translation>Avisarme si un número coincide con una de las jugadas sugeridas</translation>
    </message>
    <message>
        <source>Another program has just stored the draw of %1: %2.
The date and the digits you typed stay as they are: check them before you press Enter Entry.</source>
        <translation>Otro programa acaba de guardar el sorteo del %1: %2.
La fecha y los dígitos que escribió quedan como están: revíselos antes de pulsar Guardar número.</translation>
    </message>
</context>
<context>
    <name>Arrivals</name>
    <message>
        <source>(1 earlier draw not listed)</source>
        <translation>(1 sorteo anterior no aparece en la lista)</translation>
    </message>
    <message>
        <source>(%1 earlier draws not listed)</source>
        <translation>(%1 sorteos anteriores no aparecen en la lista)</translation>
    </message>
    <message>
        <source>Suggested plays that matched:</source>
        <translation>Jugadas sugeridas que acertaron:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>%1: 1 new draw since the program last showed it:</source>
        <translation>%1: 1 sorteo nuevo desde la última vez que el programa la mostró:</translation>
    </message>
    <message>
        <source>%1: %2 new draws since the program last showed it:</source>
        <translation>%1: %2 sorteos nuevos desde la última vez que el programa la mostró:</translation>
    </message>
    <message>
        <source>1 older draw joined the full history.</source>
        <translation>1 sorteo anterior se sumó al historial completo.</translation>
    </message>
    <message>
        <source>%1 older draws joined the full history.</source>
        <translation>%1 sorteos anteriores se sumaron al historial completo.</translation>
    </message>
    <message>
        <source>%1 now holds %2 draws, the last on %3; when the program last showed it, it held %4, the last on %5.</source>
        <translation>%1 tiene ahora %2 sorteos, el último del %3; la última vez que el programa la mostró tenía %4, el último del %5.</translation>
    </message>
    <message>
        <source>%1 is up to date: no new draw.</source>
        <translation>%1 está al día: no hay sorteos nuevos.</translation>
    </message>
    <message>
        <source>%1: 1 new draw added:</source>
        <translation>%1: se agregó 1 sorteo nuevo:</translation>
    </message>
    <message>
        <source>%1: %2 new draws added:</source>
        <translation>%1: se agregaron %2 sorteos nuevos:</translation>
    </message>
    <message>
        <source>The database was full: it keeps the newest %1 draws for the reports. Every draw stays in the full history, and the older ones are also in the backup %2.</source>
        <translation>La base de datos estaba llena: conserva los %1 sorteos más recientes para los informes. Todos los sorteos quedan en el historial completo, y los más antiguos también en la copia de seguridad %2.</translation>
    </message>
    <message>
        <source>... and %1 more conflicts; the stored draws are kept.</source>
        <translation>... y %1 conflictos más; se conservan los sorteos guardados.</translation>
    </message>
    <message>
        <source>%1, add-on %2</source>
        <translation>%1, adicional %2</translation>
    </message>
</context>
<context>
    <name>ArrivalsDialog</name>
    <message>
        <source>What Arrived</source>
        <translation>Lo que llegó</translation>
    </message>
    <message>
        <source>What arrived</source>
        <translation>Lo que llegó</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Closes the summary</source>
        <translation>Cierra el resumen</translation>
    </message>
</context>
<context>
    <name>BacktestWindow</name>
    <message>
        <source>How Did the Choices Do?</source>
        <translation>¿Cómo les fue a las jugadas sugeridas?</translation>
    </message>
    <message>
        <source>Odd/even &amp;seed:</source>
        <translation>&amp;Semilla de impar/par:</translation>
    </message>
    <message>
        <source>The odd/even list has random digits; this number fixes them, so that a run can be repeated.</source>
        <translation>La lista de impar/par tiene dígitos al azar; este número los fija, para que una prueba pueda repetirse.</translation>
    </message>
    <message>
        <source>&amp;Recalculate</source>
        <translation>&amp;Recalcular</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>By chance</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>95% range</source>
        <translation>Rango del 95%</translation>
    </message>
    <message>
        <source>p-value</source>
        <translation>valor p</translation>
    </message>
    <message>
        <source>Exact order (by chance)</source>
        <translation>Orden exacto (al azar)</translation>
    </message>
    <message>
        <source>Matches so far, and what plays picked at random would score</source>
        <translation>Aciertos hasta ahora, y lo que lograrían jugadas elegidas al azar</translation>
    </message>
    <message>
        <source>%1: testing %2 draws against the choices made the day before each...</source>
        <translation>%1: probando %2 sorteos contra las jugadas sugeridas el día anterior a cada uno...</translation>
    </message>
    <message>
        <source>The backtest could not be finished: not enough memory.</source>
        <translation>La prueba no pudo terminarse: no hay memoria suficiente.</translation>
    </message>
    <message>
        <source>No database is open.</source>
        <translation>No hay ninguna base de datos abierta.</translation>
    </message>
    <message>
        <source>%1: each draw from the second on is compared with the 33 Computer Choices made the day before it, and with as many plays picked at random. %2 draws tested.</source>
        <translation>%1: cada sorteo a partir del segundo se compara con las 33 jugadas sugeridas el día anterior, y con otras tantas jugadas elegidas al azar. %2 sorteos probados.</translation>
    </message>
    <message>
        <source>All lists</source>
        <translation>Todas las listas</translation>
    </message>
    <message>
        <source>Matches of the choices</source>
        <translation>Aciertos de las jugadas sugeridas</translation>
    </message>
    <message>
        <source>Plays picked at random, on average</source>
        <translation>Jugadas al azar, en promedio</translation>
    </message>
    <message>
        <source>95% range of random plays</source>
        <translation>Rango del 95% de las jugadas al azar</translation>
    </message>
    <message>
        <source>Draws tested</source>
        <translation>Sorteos probados</translation>
    </message>
    <message>
        <source>&amp;Test:</source>
        <translation>&amp;Probar:</translation>
    </message>
    <message>
        <source>Chart of matches per draw</source>
        <translation>Gráfico de aciertos por sorteo</translation>
    </message>
</context>
<context>
    <name>BuildPlaysWindow</name>
    <message>
        <source>Build Plays</source>
        <translation>Armar jugadas</translation>
    </message>
    <message>
        <source>A wheel changes what you spend and how often a play wins, never what the plays pay back on average: that is fixed by the prize table.</source>
        <translation>Una rueda cambia lo que gasta y la frecuencia con que gana una jugada, nunca lo que las jugadas devuelven en promedio: eso lo fija la tabla de premios.</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Rueda</translation>
    </message>
    <message>
        <source>Digits to wheel</source>
        <translation>Dígitos de la rueda</translation>
    </message>
    <message>
        <source>Key digit</source>
        <translation>Dígito clave</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>The wheel&apos;s own</source>
        <translation>La de la rueda</translation>
    </message>
    <message>
        <source>Stake</source>
        <translation>Monto</translation>
    </message>
    <message>
        <source>Number of draws</source>
        <translation>Cantidad de sorteos</translation>
    </message>
    <message>
        <source>&amp;Digits:</source>
        <translation>&amp;Dígitos:</translation>
    </message>
    <message>
        <source>&amp;Wheel:</source>
        <translation>&amp;Rueda:</translation>
    </message>
    <message>
        <source>&amp;Key:</source>
        <translation>Cla&amp;ve:</translation>
    </message>
    <message>
        <source>Be&amp;t:</source>
        <translation>&amp;Apuesta:</translation>
    </message>
    <message>
        <source>&amp;Stake:</source>
        <translation>Mo&amp;nto:</translation>
    </message>
    <message>
        <source>D&amp;raws:</source>
        <translation>Sor&amp;teos:</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtros</translation>
    </message>
    <message>
        <source>%1, from</source>
        <translation>%1, desde</translation>
    </message>
    <message>
        <source>%1, to</source>
        <translation>%1, hasta</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Su&amp;m:</source>
        <translation>&amp;Suma:</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Root s&amp;um:</source>
        <translation>Raí&amp;z de la suma:</translation>
    </message>
    <message>
        <source>Root sum</source>
        <translation>Raíz de la suma</translation>
    </message>
    <message>
        <source>Spr&amp;ead:</source>
        <translation>Disp&amp;ersión:</translation>
    </message>
    <message>
        <source>Spread</source>
        <translation>Dispersión</translation>
    </message>
    <message>
        <source>&amp;Odd digits:</source>
        <translation>Dígitos &amp;impares:</translation>
    </message>
    <message>
        <source>Odd digits</source>
        <translation>Dígitos impares</translation>
    </message>
    <message>
        <source>&amp;High digits (5-9):</source>
        <translation>Dígitos a&amp;ltos (5-9):</translation>
    </message>
    <message>
        <source>High digits</source>
        <translation>Dígitos altos</translation>
    </message>
    <message>
        <source>Sin&amp;gles</source>
        <translation>Si&amp;mples</translation>
    </message>
    <message>
        <source>Dou&amp;bles</source>
        <translation>Do&amp;bles</translation>
    </message>
    <message>
        <source>Tr&amp;iples</source>
        <translation>Tri&amp;ples</translation>
    </message>
    <message>
        <source>Keep:</source>
        <translation>Conservar:</translation>
    </message>
    <message>
        <source>Digits every play holds</source>
        <translation>Dígitos que contiene cada jugada</translation>
    </message>
    <message>
        <source>Digits no play holds</source>
        <translation>Dígitos que ninguna jugada contiene</translation>
    </message>
    <message>
        <source>Ho&amp;lds:</source>
        <translation>C&amp;ontiene:</translation>
    </message>
    <message>
        <source>Holds &amp;none of:</source>
        <translation>No contiene nin&amp;guno de:</translation>
    </message>
    <message>
        <source>A digit of the l&amp;ast draw</source>
        <translation>&amp;Un dígito del último sorteo</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Of the 1,000 numbers</source>
        <translation>De los 1.000 números</translation>
    </message>
    <message>
        <source>In the draws</source>
        <translation>En los sorteos</translation>
    </message>
    <message>
        <source>Each filter&apos;s share of the numbers and of the draws</source>
        <translation>La parte de los números y de los sorteos que deja pasar cada filtro</translation>
    </message>
    <message>
        <source>The plays&apos; price</source>
        <translation>El precio de las jugadas</translation>
    </message>
    <message>
        <source>The plays</source>
        <translation>Las jugadas</translation>
    </message>
    <message>
        <source>&amp;Play...</source>
        <translation>&amp;Jugar...</translation>
    </message>
    <message>
        <source>Add the plays to My Tickets</source>
        <translation>Agregar las jugadas a Mis boletos</translation>
    </message>
    <message>
        <source>no draws</source>
        <translation>sin sorteos</translation>
    </message>
    <message>
        <source>The filters leave no plays.</source>
        <translation>Los filtros no dejan ninguna jugada.</translation>
    </message>
    <message>
        <source>1 play</source>
        <translation>1 jugada</translation>
    </message>
    <message>
        <source>%1 plays</source>
        <translation>%1 jugadas</translation>
    </message>
    <message>
        <source>%1: %2 a draw, %3 over %4 draws. Chance of any win in a draw: %5. Paid back on average: %6 for each dollar. Chance of ending the %4 draws ahead: %7.</source>
        <translation>%1: %2 por sorteo, %3 en %4 sorteos. Probabilidad de ganar algo en un sorteo: %5. Devuelven en promedio: %6 por cada dólar. Probabilidad de terminar los %4 sorteos ganando: %7.</translation>
    </message>
</context>
<context>
    <name>ChanceWindow</name>
    <message>
        <source>What Chance Gives</source>
        <translation>Lo que da el azar</translation>
    </message>
    <message>
        <source>&amp;Draws:</source>
        <translation>&amp;Sorteos:</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Patrón</translation>
    </message>
    <message>
        <source>Seen</source>
        <translation>Visto</translation>
    </message>
    <message>
        <source>Chance gives</source>
        <translation>El azar da</translation>
    </message>
    <message>
        <source>95 times in 100</source>
        <translation>95 veces de 100</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Veredicto</translation>
    </message>
    <message>
        <source>Patterns and what chance gives</source>
        <translation>Patrones y lo que da el azar</translation>
    </message>
    <message>
        <source>How many patterns chance puts outside their range</source>
        <translation>Cuántos patrones deja el azar fuera de su rango</translation>
    </message>
    <message>
        <source>No database is open. </source>
        <translation>No hay ninguna base de datos abierta. </translation>
    </message>
    <message>
        <source>%1 draws. Beside each pattern the windows show: what chance alone gives for that many draws, and the range it gives 95 times in 100.</source>
        <translation>%1 sorteos. Junto a cada patrón que muestran las ventanas: lo que da el azar por sí solo para esa cantidad de sorteos y el rango que da 95 veces de 100.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Patterns outside their range are no forecast: fair draws give each number the same chance in every draw, whatever came before.</source>
        <translation>Un patrón fuera de su rango no es un pronóstico: en sorteos justos cada número tiene la misma probabilidad en cada sorteo, sea cual sea lo anterior.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>only one database can be opened, not also %1</source>
        <translation>solo se puede abrir una base de datos, no también %1</translation>
    </message>
    <message>
        <source>Usage: quor3 [FILE.c3d]
  Starts Quor 3 with the draw database FILE.c3d open (asking before it
  creates a new one); without FILE, with the database of the last run
  when &quot;Reopen Last&quot; in quor3.ini is 1 (the default).
  quor3 --version    prints the version
  quor3 --help       prints this text
</source>
        <translation>Uso: quor3 [ARCHIVO.c3d]
  Inicia Quor 3 con la base de sorteos ARCHIVO.c3d abierta (pregunta antes
  de crear una nueva); sin ARCHIVO, con la base de datos de la última sesión
  cuando &quot;Reopen Last&quot; en quor3.ini vale 1 (el valor predeterminado).
  quor3 --version    muestra la versión
  quor3 --help       muestra este texto
</translation>
    </message>
</context>
<context>
    <name>ComputerChoicesWindow</name>
    <message>
        <source>Hot Numbers</source>
        <translation>Números calientes</translation>
    </message>
    <message>
        <source>Cold Numbers</source>
        <translation>Números fríos</translation>
    </message>
    <message>
        <source>Warm Numbers</source>
        <translation>Números tibios</translation>
    </message>
    <message>
        <source>Odd/Even Picks</source>
        <translation>Jugadas impar/par</translation>
    </message>
    <message>
        <source>Ordinal Picks</source>
        <translation>Jugadas ordinales</translation>
    </message>
    <message>
        <source>Pairs Picks</source>
        <translation>Jugadas por pares</translation>
    </message>
    <message>
        <source>Percentage Repeats</source>
        <translation>Porcentaje de repeticiones</translation>
    </message>
    <message>
        <source>Quor 3 - Computer Choices</source>
        <translation>Quor 3 - Jugadas sugeridas</translation>
    </message>
    <message>
        <source>Computer Choices</source>
        <translation>Jugadas sugeridas</translation>
    </message>
    <message>
        <source>Pct. Repeats</source>
        <translation>Pct. repeticiones</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Printed by Quor 3. Each draw is independent; no list of plays changes the odds.</source>
        <translation>Impreso por Quor 3. Cada sorteo es independiente; ninguna lista de jugadas cambia las probabilidades.</translation>
    </message>
    <message>
        <source>Play &amp;Selected...</source>
        <translation>&amp;Jugar...</translation>
    </message>
    <message>
        <source>Play the selected suggestion</source>
        <translation>Jugar la sugerencia seleccionada</translation>
    </message>
</context>
<context>
    <name>CorrectionsWindow</name>
    <message>
        <source>Next, make your changes to the entry and draw date as necessary. Click Re-Enter when complete.</source>
        <translation>Luego, corrija el número y la fecha del sorteo según haga falta. Haga clic en Reingresar al terminar.</translation>
    </message>
    <message>
        <source>Correct It!</source>
        <translation>¡Corríjalo!</translation>
    </message>
    <message>
        <source>First, select an entry in the database:</source>
        <translation>Primero, elija un número de la lista:</translation>
    </message>
    <message>
        <source>Change Entry</source>
        <translation>Cambiar número</translation>
    </message>
    <message>
        <source>Change Date</source>
        <translation>Cambiar fecha</translation>
    </message>
    <message>
        <source>&amp;Re-Enter </source>
        <translation>&amp;Reingresar </translation>
    </message>
    <message>
        <source>&amp;Delete Entry</source>
        <translation>&amp;Borrar número</translation>
    </message>
    <message>
        <source>%1 was changed by another program; the list was read again.</source>
        <translation>Otro programa cambió %1; la lista se volvió a leer.</translation>
    </message>
    <message>
        <source> The picked entry is gone: pick one again.</source>
        <translation> El número elegido ya no está: elija otro.</translation>
    </message>
    <message>
        <source>%1 has changed since this window listed its draws</source>
        <translation>%1 cambió desde que esta ventana mostró sus sorteos</translation>
    </message>
    <message>
        <source>: the entry %1 of %2 is no longer where the list showed it</source>
        <translation>: el número %1 del %2 ya no está donde lo mostraba la lista</translation>
    </message>
    <message>
        <source>. Nothing was written; the list now shows the database as it is.</source>
        <translation>. No se escribió nada; la lista muestra ahora la base de datos tal como está.</translation>
    </message>
    <message>
        <source>Delete the entry %1 of %2 from %3?
The database as it is now is kept as a backup first.</source>
        <translation>¿Borrar el número %1 del %2 de %3?
Antes se guarda una copia de seguridad de la base de datos tal como está.</translation>
    </message>
    <message>
        <source>Stored draws</source>
        <translation>Sorteos guardados</translation>
    </message>
    <message>
        <source>Select the draw to change</source>
        <translation>Seleccione el sorteo a cambiar</translation>
    </message>
    <message>
        <source>First digit</source>
        <translation>Primer dígito</translation>
    </message>
    <message>
        <source>Second digit</source>
        <translation>Segundo dígito</translation>
    </message>
    <message>
        <source>Third digit</source>
        <translation>Tercer dígito</translation>
    </message>
    <message>
        <source>Draw month</source>
        <translation>Mes del sorteo</translation>
    </message>
    <message>
        <source>Draw day</source>
        <translation>Día del sorteo</translation>
    </message>
    <message>
        <source>Draw year</source>
        <translation>Año del sorteo</translation>
    </message>
    <message>
        <source>From %1, stored %2.</source>
        <translation>De %1, guardado el %2.</translation>
    </message>
    <message>
        <source>Earlier %1, until %2 (%3).</source>
        <translation>Antes %1, hasta el %2 (%3).</translation>
    </message>
</context>
<context>
    <name>DailyTimer</name>
    <message>
        <source>Quor 3 cannot check every day here: this desktop has no systemd user session manager (systemctl was not found).</source>
        <translation>Quor 3 no puede buscar resultados cada día aquí: este escritorio no tiene el administrador de sesión de usuario de systemd (no se encontró systemctl).</translation>
    </message>
    <message>
        <source>Quor 3 cannot check every day here: the systemd user session manager does not answer.</source>
        <translation>Quor 3 no puede buscar resultados cada día aquí: el administrador de sesión de usuario de systemd no responde.</translation>
    </message>
    <message>
        <source>Quor 3 cannot check every day here: no systemd user session manager answers (%1).</source>
        <translation>Quor 3 no puede buscar resultados cada día aquí: no responde ningún administrador de sesión de usuario de systemd (%1).</translation>
    </message>
    <message>
        <source>Cannot turn the daily check on or off: %1</source>
        <translation>No se puede activar ni desactivar la búsqueda diaria: %1</translation>
    </message>
    <message>
        <source>systemd cannot run a program whose path holds quotes, backslashes or control characters: %1. Move Quor 3 to another folder.</source>
        <translation>systemd no puede ejecutar un programa cuya ruta contiene comillas, barras invertidas o caracteres de control: %1. Mueva Quor 3 a otra carpeta.</translation>
    </message>
    <message>
        <source>the unit %1 is missing from the program</source>
        <translation>falta la unidad %1 en el programa</translation>
    </message>
    <message>
        <source>quor3-engine, which does the daily check, is not at %1. ./run.sh builds it beside quor3.</source>
        <translation>quor3-engine, que hace la búsqueda diaria, no está en %1. ./run.sh lo compila junto a quor3.</translation>
    </message>
    <message>
        <source>The daily check is on but runs %1, which is not there any more: turn it on again to run this copy of Quor 3.</source>
        <translation>La búsqueda diaria está activada, pero ejecuta %1, que ya no existe: actívela de nuevo para que ejecute esta copia de Quor 3.</translation>
    </message>
</context>
<context>
    <name>DeleteFileDialog</name>
    <message>
        <source>Delete Data File</source>
        <translation>Borrar archivo de datos</translation>
    </message>
    <message>
        <source>Filename: </source>
        <translation>Archivo: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>change to folder</source>
        <translation>entrar en la carpeta</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>You have chosen to delete this database file:  </source>
        <translation>Eligió borrar este archivo de base de datos:  </translation>
    </message>
    <message>
        <source>Do you wish to proceed?</source>
        <translation>¿Desea continuar?</translation>
    </message>
    <message>
        <source>Database files</source>
        <translation>Archivos de base de datos</translation>
    </message>
</context>
<context>
    <name>DrawListWindow</name>
    <message>
        <source>Winning Lotto Entries</source>
        <translation>Números ganadores de la lotería</translation>
    </message>
    <message>
        <source>: %1 of %2 draws; the rest are in the full history</source>
        <translation>: %1 de %2 sorteos; el resto está en el historial completo</translation>
    </message>
    <message>
        <source>Winning entries</source>
        <translation>Números ganadores</translation>
    </message>
    <message>
        <source>The newest first</source>
        <translation>El más reciente primero</translation>
    </message>
</context>
<context>
    <name>DrawsChoice</name>
    <message>
        <source>Draws to analyse</source>
        <translation>Sorteos para analizar</translation>
    </message>
    <message>
        <source>1 draw</source>
        <translation>1 sorteo</translation>
    </message>
    <message>
        <source>%1 draws</source>
        <translation>%1 sorteos</translation>
    </message>
    <message>
        <source>the working database (%1)</source>
        <translation>la base de datos de trabajo (%1)</translation>
    </message>
    <message>
        <source>the full history (%1)</source>
        <translation>el historial completo (%1)</translation>
    </message>
    <message>
        <source>The full history cannot be read: %1</source>
        <translation>No se puede leer el historial completo: %1</translation>
    </message>
    <message>
        <source>%1, full history</source>
        <translation>%1, historial completo</translation>
    </message>
</context>
<context>
    <name>ExportDraws</name>
    <message>
        <source>Export Draws</source>
        <translation>Exportar sorteos</translation>
    </message>
    <message>
        <source> draw</source>
        <translation> sorteo</translation>
    </message>
    <message>
        <source> draws</source>
        <translation> sorteos</translation>
    </message>
    <message>
        <source>Export the full history (%1)?

No exports the working database (%2).</source>
        <translation>¿Exportar el historial completo (%1)?

No exporta la base de datos de trabajo (%2).</translation>
    </message>
    <message>
        <source>There are no draws to export: %1 holds none yet.</source>
        <translation>No hay sorteos que exportar: %1 aún no tiene ninguno.</translation>
    </message>
    <message>
        <source>CSV file (*.csv);;All files (*)</source>
        <translation>Archivo CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Exported %1 draw to %2.</source>
        <translation>Se exportó %1 sorteo a %2.</translation>
    </message>
    <message>
        <source>Exported %1 draws to %2.</source>
        <translation>Se exportaron %1 sorteos a %2.</translation>
    </message>
</context>
<context>
    <name>FairnessWindow</name>
    <message>
        <source>Fairness Check</source>
        <translation>Prueba de equidad</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Estadístico</translation>
    </message>
    <message>
        <source>Degrees of freedom</source>
        <translation>Grados de libertad</translation>
    </message>
    <message>
        <source>p-value</source>
        <translation>valor p</translation>
    </message>
    <message>
        <source>Digit counts &amp;of:</source>
        <translation>Conteo de dígitos &amp;de:</translation>
    </message>
    <message>
        <source>First position</source>
        <translation>Primera posición</translation>
    </message>
    <message>
        <source>Second position</source>
        <translation>Segunda posición</translation>
    </message>
    <message>
        <source>Third position</source>
        <translation>Tercera posición</translation>
    </message>
    <message>
        <source>All positions</source>
        <translation>Todas las posiciones</translation>
    </message>
    <message>
        <source>No database is open. </source>
        <translation>No hay ninguna base de datos abierta. </translation>
    </message>
    <message>
        <source>%1 draws tested</source>
        <translation>%1 sorteos probados</translation>
    </message>
    <message>
        <source>, %1 left out for a digit outside 0 to 9</source>
        <translation>, %1 excluidos por un dígito fuera de 0 a 9</translation>
    </message>
    <message>
        <source>. A p-value is the chance that fair draws would stray this far from the expected counts, or further.</source>
        <translation>. Un valor p es la probabilidad de que sorteos justos se alejen tanto o más de los conteos esperados.</translation>
    </message>
    <message>
        <source>%1 repeats</source>
        <translation>%1 repeticiones</translation>
    </message>
    <message>
        <source>%1 comparisons</source>
        <translation>%1 comparaciones</translation>
    </message>
    <message>
        <source>How often each digit came up: %1</source>
        <translation>Cuántas veces salió cada dígito: %1</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Sorteado</translation>
    </message>
    <message>
        <source>Fair draws, on average</source>
        <translation>Sorteos justos, en promedio</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Dígito</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Sorteos</translation>
    </message>
    <message>
        <source>&amp;Test:</source>
        <translation>&amp;Probar:</translation>
    </message>
    <message>
        <source>%1: testing %2 draws...</source>
        <translation>%1: probando %2 sorteos...</translation>
    </message>
    <message>
        <source>The fairness check could not be finished: not enough memory.</source>
        <translation>No se pudo terminar la prueba de imparcialidad: no hay memoria suficiente.</translation>
    </message>
    <message>
        <source>Chart of observed and expected counts</source>
        <translation>Gráfico de cuentas observadas y esperadas</translation>
    </message>
</context>
<context>
    <name>FetchModule</name>
    <message>
        <source>the download</source>
        <translation>la descarga</translation>
    </message>
</context>
<context>
    <name>HotColdWindow</name>
    <message>
        <source>Hot/Cold Numbers</source>
        <translation>Números calientes/fríos</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Calientes</translation>
    </message>
    <message>
        <source>Cold</source>
        <translation>Fríos</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Listar</translation>
    </message>
    <message>
        <source>90 Days Max</source>
        <translation>Máx. 90 días</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No existe el archivo o la carpeta</translation>
    </message>
    <message>
        <source>Days to evaluate</source>
        <translation>Días a evaluar</translation>
    </message>
    <message>
        <source>Hot numbers</source>
        <translation>Números calientes</translation>
    </message>
    <message>
        <source>Cold numbers</source>
        <translation>Números fríos</translation>
    </message>
    <message>
        <source> # Days to Evaluate:</source>
        <translation> Días a evaluar:</translation>
    </message>
</context>
<context>
    <name>ImportWindow</name>
    <message>
        <source>Import Draws</source>
        <translation>Importar sorteos</translation>
    </message>
    <message>
        <source>Choose &amp;File...</source>
        <translation>Elegir &amp;archivo...</translation>
    </message>
    <message>
        <source>Choose a results file, or paste its lines below.</source>
        <translation>Elija un archivo de resultados, o pegue sus líneas abajo.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Dígitos</translation>
    </message>
    <message>
        <source>Skipped lines</source>
        <translation>Líneas omitidas</translation>
    </message>
    <message>
        <source>&amp;Merge with the stored draws</source>
        <translation>Co&amp;mbinar con los sorteos guardados</translation>
    </message>
    <message>
        <source>&amp;Replace the stored draws</source>
        <translation>&amp;Reemplazar los sorteos guardados</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Cance&amp;l</source>
        <translation>Cance&amp;lar</translation>
    </message>
    <message>
        <source>First and last draws</source>
        <translation>Primeros y últimos sorteos</translation>
    </message>
    <message>
        <source>The results pasted below.</source>
        <translation>Los resultados pegados abajo.</translation>
    </message>
    <message>
        <source>Choose a Results File</source>
        <translation>Elegir un archivo de resultados</translation>
    </message>
    <message>
        <source>Results files (*.csv *.txt *.tsv);;All files (*)</source>
        <translation>Archivos de resultados (*.csv *.txt *.tsv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Reading %1 was cancelled.</source>
        <translation>Se canceló la lectura de %1.</translation>
    </message>
    <message>
        <source> (the box shows its first part; the whole file is read)</source>
        <translation> (el cuadro muestra su primera parte; se lee el archivo completo)</translation>
    </message>
    <message>
        <source>Layout: </source>
        <translation>Formato: </translation>
    </message>
    <message>
        <source>Line %1: %2: %3</source>
        <translation>Línea %1: %2: %3</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... y %1 más</translation>
    </message>
    <message>
        <source>Skipped lines: %1</source>
        <translation>Líneas omitidas: %1</translation>
    </message>
    <message>
        <source>No draws yet.</source>
        <translation>Aún no hay sorteos.</translation>
    </message>
    <message>
        <source>Nothing usable: no line holds a date and three digits.</source>
        <translation>Nada utilizable: ninguna línea tiene una fecha y tres dígitos.</translation>
    </message>
    <message>
        <source>%1, from %2 to %3.</source>
        <translation>%1, del %2 al %3.</translation>
    </message>
    <message>
        <source> %1 lines of other draws are left aside.</source>
        <translation> Se dejan de lado %1 líneas de otros sorteos.</translation>
    </message>
    <message>
        <source> A database holds at most %1 draws: the newest are kept.</source>
        <translation> Una base de datos tiene como máximo %1 sorteos: se conservan los más recientes.</translation>
    </message>
    <message>
        <source>No database is open: open or name one first.</source>
        <translation>No hay ninguna base de datos abierta: abra una o dele un nombre primero.</translation>
    </message>
    <message>
        <source>Nothing usable: no line holds a date and three digits. Nothing was changed.</source>
        <translation>Nada utilizable: ninguna línea tiene una fecha y tres dígitos. No se cambió nada.</translation>
    </message>
    <message>
        <source>Replace the draws stored in %1 with the %2 of the file?
The database as it is now is kept as a backup.</source>
        <translation>¿Reemplazar los sorteos guardados en %1 por los %2 del archivo?
Se guarda una copia de seguridad de la base de datos tal como está.</translation>
    </message>
    <message>
        <source>%1 draw</source>
        <translation>%1 sorteo</translation>
    </message>
    <message>
        <source>%1 draws</source>
        <translation>%1 sorteos</translation>
    </message>
    <message>
        <source>&amp;Draw:</source>
        <translation>&amp;Sorteo:</translation>
    </message>
    <message>
        <source> %1 repeated in the file is counted once.</source>
        <translation> %1 repetido en el archivo se cuenta una vez.</translation>
    </message>
    <message>
        <source> %1 repeated in the file are counted once.</source>
        <translation> %1 repetidos en el archivo se cuentan una vez.</translation>
    </message>
    <message>
        <source>Results to import</source>
        <translation>Resultados a importar</translation>
    </message>
    <message>
        <source>The lines of the chosen file, or lines pasted here</source>
        <translation>Las líneas del archivo elegido, o líneas pegadas aquí</translation>
    </message>
    <message>
        <source>every draw, one database each</source>
        <translation>cada sorteo, una base de datos para cada uno</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5.</source>
        <translation>%1: %2, %3, del %4 al %5.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total Draws:</source>
        <translation>Total de sorteos:</translation>
    </message>
    <message>
        <source>Last Draw Date:</source>
        <translation>Último sorteo:</translation>
    </message>
    <message>
        <source>Hottest Number:</source>
        <translation>Más caliente:</translation>
    </message>
    <message>
        <source>Coldest Number:</source>
        <translation>Más frío:</translation>
    </message>
    <message>
        <source>Total Draws: </source>
        <translation>Total de sorteos: </translation>
    </message>
    <message>
        <source>Last Draw Date: </source>
        <translation>Último sorteo: </translation>
    </message>
    <message>
        <source>Hottest Number: </source>
        <translation>Más caliente: </translation>
    </message>
    <message>
        <source>Coldest Number: </source>
        <translation>Más frío: </translation>
    </message>
    <message>
        <source>%1
This file does not exist.
Create the file?</source>
        <translation>%1
Este archivo no existe.
¿Desea crearlo?</translation>
    </message>
    <message>
        <source>%1
Quor 3 keeps its own statistics in a file of that name.
Choose another name for the database.</source>
        <translation>%1
Quor 3 guarda sus propias estadísticas en un archivo con ese nombre.
Elija otro nombre para la base de datos.</translation>
    </message>
    <message>
        <source>Todays Date: </source>
        <translation>Fecha de hoy: </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open Database</source>
        <translation>&amp;Abrir base de datos</translation>
    </message>
    <message>
        <source>&amp;Close Database</source>
        <translation>&amp;Cerrar base de datos</translation>
    </message>
    <message>
        <source>&amp;Import Draws...</source>
        <translation>&amp;Importar sorteos...</translation>
    </message>
    <message>
        <source>Results &amp;Source...</source>
        <translation>&amp;Fuente de resultados...</translation>
    </message>
    <message>
        <source>&amp;Get New Results</source>
        <translation>&amp;Obtener resultados nuevos</translation>
    </message>
    <message>
        <source>&amp;Export Draws...</source>
        <translation>&amp;Exportar sorteos...</translation>
    </message>
    <message>
        <source>&amp;Restore Backup...</source>
        <translation>&amp;Restaurar copia de seguridad...</translation>
    </message>
    <message>
        <source>&amp;Delete Database...</source>
        <translation>&amp;Borrar base de datos...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;gregar</translation>
    </message>
    <message>
        <source>&amp;Update Database</source>
        <translation>&amp;Actualizar base de datos</translation>
    </message>
    <message>
        <source>&amp;Add Draw...</source>
        <translation>Agregar &amp;sorteo...</translation>
    </message>
    <message>
        <source>Undo &amp;Last Entry</source>
        <translation>Deshacer la ú&amp;ltima entrada</translation>
    </message>
    <message>
        <source>A&amp;nalysis</source>
        <translation>A&amp;nálisis</translation>
    </message>
    <message>
        <source>&amp;Graph Totals</source>
        <translation>&amp;Gráfico de totales</translation>
    </message>
    <message>
        <source>&amp;Odd/Even Ratio</source>
        <translation>Proporción &amp;impar/par</translation>
    </message>
    <message>
        <source>&amp;Percentage Repeats</source>
        <translation>&amp;Porcentaje de repeticiones</translation>
    </message>
    <message>
        <source>&amp;Hot/Cold Numbers</source>
        <translation>Números &amp;calientes/fríos</translation>
    </message>
    <message>
        <source>&amp;Sums Graph</source>
        <translation>Gráfico de &amp;sumas</translation>
    </message>
    <message>
        <source>S&amp;ets Graph</source>
        <translation>Gráfico de c&amp;onjuntos</translation>
    </message>
    <message>
        <source>&amp;Fairness Check</source>
        <translation>Prueba de &amp;equidad</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Informes</translation>
    </message>
    <message>
        <source>&amp;Totals</source>
        <translation>&amp;Totales</translation>
    </message>
    <message>
        <source>&amp;Pairs</source>
        <translation>&amp;Pares</translation>
    </message>
    <message>
        <source>&amp;Skip/Trace Chart</source>
        <translation>&amp;Saltos y rastreo</translation>
    </message>
    <message>
        <source>&amp;Ordinal</source>
        <translation>&amp;Ordinal</translation>
    </message>
    <message>
        <source>&amp;DataBase</source>
        <translation>&amp;Base de datos</translation>
    </message>
    <message>
        <source>&amp;Display </source>
        <translation>&amp;Mostrar </translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Computadora</translation>
    </message>
    <message>
        <source>&amp;Computer Choices</source>
        <translation>&amp;Jugadas sugeridas</translation>
    </message>
    <message>
        <source>&amp;How Did the Choices Do?</source>
        <translation>¿&amp;Cómo les fue a las jugadas sugeridas?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido (en inglés)</translation>
    </message>
    <message>
        <source>Quor3 Web Support</source>
        <translation>Soporte web de Quor3 (en inglés)</translation>
    </message>
    <message>
        <source>&amp;About Quor 3</source>
        <translation>Acerca &amp;de Quor 3</translation>
    </message>
    <message>
        <source>Open/Create a Database</source>
        <translation>Abrir o crear una base de datos</translation>
    </message>
    <message>
        <source>Quor3 Data File (.c3d) (*.c3d)</source>
        <translation>Archivo de datos de Quor3 (.c3d) (*.c3d)</translation>
    </message>
    <message>
        <source>it is a folder, not a draw database</source>
        <translation>es una carpeta, no una base de sorteos</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>su carpeta no existe</translation>
    </message>
    <message>
        <source>Best Bet: </source>
        <translation>Mejor apuesta: </translation>
    </message>
    <message>
        <source>My &amp;Tickets</source>
        <translation>Mis &amp;boletos</translation>
    </message>
    <message>
        <source>&amp;Prize Table...</source>
        <translation>Tabla de &amp;premios...</translation>
    </message>
    <message>
        <source>Last draw %1:   %2</source>
        <translation>Último sorteo %1:   %2</translation>
    </message>
    <message>
        <source>Last draw</source>
        <translation>Último sorteo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;What Chance Gives</source>
        <translation>Lo que da el &amp;azar</translation>
    </message>
    <message>
        <source>&amp;Build Plays...</source>
        <translation>&amp;Armar jugadas...</translation>
    </message>
    <message>
        <source>Dra&amp;w</source>
        <translation>&amp;Sorteo</translation>
    </message>
    <message>
        <source>%1, draw %2</source>
        <translation>%1, sorteo %2</translation>
    </message>
    <message>
        <source>Draw: %1</source>
        <translation>Sorteo: %1</translation>
    </message>
</context>
<context>
    <name>Module</name>
    <message>
        <source>load %1 from</source>
        <translation>cargar %1 desde</translation>
    </message>
    <message>
        <source>it has no %1 in it</source>
        <translation>no contiene %1</translation>
    </message>
</context>
<context>
    <name>OddEvenWindow</name>
    <message>
        <source>Odd / Even </source>
        <translation>Impar / par </translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impar</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Par</translation>
    </message>
    <message>
        <source> Total Odd / Even Numbers Drawn: </source>
        <translation> Total de impares / pares sorteados: </translation>
    </message>
    <message>
        <source> Percentage (all drawings): </source>
        <translation> Porcentaje (todos los sorteos): </translation>
    </message>
    <message>
        <source>Odd / Even Ratio (all drawings): </source>
        <translation>Proporción impar / par (todos los sorteos): </translation>
    </message>
    <message>
        <source>Odd / Even Ratio (last 5 days): </source>
        <translation>Proporción impar / par (últimos 5 días): </translation>
    </message>
</context>
<context>
    <name>OrdinalWindow</name>
    <message>
        <source>Ordinal Report</source>
        <translation>Informe ordinal</translation>
    </message>
    <message>
        <source>Number has been drawn 1st, 2nd, 3rd.</source>
        <translation>Veces que salió el número 1.º, 2.º, 3.º.</translation>
    </message>
</context>
<context>
    <name>PairsWindow</name>
    <message>
        <source>Pairs Report</source>
        <translation>Informe de pares</translation>
    </message>
    <message>
        <source>First, find a number across the top: </source>
        <translation>Primero, busque un número en la fila superior: </translation>
    </message>
    <message>
        <source>Then, look down the column at the number of times it has been paired with other numbers.</source>
        <translation>Luego, baje por la columna para ver cuántas veces salió junto a otros números.</translation>
    </message>
</context>
<context>
    <name>PrinterTextStream</name>
    <message>
        <source>the printer did not accept the print job</source>
        <translation>la impresora no aceptó el trabajo de impresión</translation>
    </message>
    <message>
        <source>write to</source>
        <translation>escribir en</translation>
    </message>
    <message>
        <source>start a new page on</source>
        <translation>empezar una página nueva en</translation>
    </message>
    <message>
        <source>finish the print job on</source>
        <translation>terminar la impresión en</translation>
    </message>
</context>
<context>
    <name>PrizeTableWindow</name>
    <message>
        <source>Prize Table</source>
        <translation>Tabla de premios</translation>
    </message>
    <message>
        <source>Prizes for a $1 play; a 50¢ play wins half. A table applies from its date on: change the prizes and the date, then Save. The tickets of the draws from that date on are settled again.</source>
        <translation>Premios por una jugada de $1; una de 50¢ gana la mitad. Una tabla rige desde su fecha: cambie los premios y la fecha y luego pulse Guardar. Los boletos de los sorteos desde esa fecha se liquidan de nuevo.</translation>
    </message>
    <message>
        <source>Prize tables, each in force from its date</source>
        <translation>Tablas de premios, cada una vigente desde su fecha</translation>
    </message>
    <message>
        <source>In force from</source>
        <translation>Vigente desde</translation>
    </message>
    <message>
        <source>The earliest date</source>
        <translation>La fecha más antigua</translation>
    </message>
    <message>
        <source>In force &amp;from:</source>
        <translation>Vigente &amp;desde:</translation>
    </message>
    <message>
        <source>Pays back on average</source>
        <translation>Devuelve en promedio</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the table from its date</source>
        <translation>Guardar la tabla desde su fecha</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Remove the selected table</source>
        <translation>Quitar la tabla seleccionada</translation>
    </message>
    <message>
        <source>From the earliest date</source>
        <translation>Desde la fecha más antigua</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>Desde %1</translation>
    </message>
    <message>
        <source>%1 per $1</source>
        <translation>%1 por $1</translation>
    </message>
    <message>
        <source>No database is open: open or name one first.</source>
        <translation>No hay ninguna base de datos abierta: abra o nombre una primero.</translation>
    </message>
    <message>
        <source>Remove the table in force from %1? The table before it applies again.</source>
        <translation>¿Quitar la tabla vigente desde %1? Vuelve a regir la tabla anterior.</translation>
    </message>
    <message>
        <source>Odds per draw: as states publish them (winning numbers per draw), and the chance of at least one win. A play with the add-on digit costs twice the stake; add-on prizes per $1: straight $200, box 3-way $68, box 6-way $34, combo $200 for each order, pairs $20.</source>
        <translation>Probabilidades por sorteo: como las publican los estados (números ganadores por sorteo) y la probabilidad de ganar al menos una vez. Una jugada con el dígito adicional cuesta el doble de la apuesta; premios adicionales por $1: exacta $200, combinada de 3 $68, combinada de 6 $34, combo $200 por cada orden, pares $20.</translation>
    </message>
    <message>
        <source>Odds and payback of each bet</source>
        <translation>Probabilidades y devolución de cada apuesta</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>Published odds</source>
        <translation>Probabilidad publicada</translation>
    </message>
    <message>
        <source>Chance of a win</source>
        <translation>Probabilidad de ganar</translation>
    </message>
    <message>
        <source>Pays back per $1</source>
        <translation>Devuelve por $1</translation>
    </message>
    <message>
        <source>%1, add-on</source>
        <translation>%1, adicional</translation>
    </message>
    <message>
        <source>%1 with the add-on</source>
        <translation>%1 con el adicional</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>An unexpected error stopped the command.</source>
        <translation>Un error inesperado detuvo la orden.</translation>
    </message>
    <message>
        <source>Quor 3 Help</source>
        <translation>Ayuda de Quor 3 (en inglés)</translation>
    </message>
    <message>
        <source>No program on this desktop could open the page.</source>
        <translation>Ningún programa de este escritorio pudo abrir la página.</translation>
    </message>
    <message>
        <source>This is not a web address.</source>
        <translation>Esta no es una dirección web.</translation>
    </message>
    <message>
        <source>Error ExploreWeb</source>
        <translation>Error al abrir la página web</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
</context>
<context>
    <name>RepeatsWindow</name>
    <message>
        <source>% Repeats</source>
        <translation>% de repeticiones</translation>
    </message>
    <message>
        <source>% of Repeats: </source>
        <translation>% de repeticiones: </translation>
    </message>
    <message>
        <source>the file is shorter than one record</source>
        <translation>el archivo es más corto que un registro</translation>
    </message>
</context>
<context>
    <name>RestoreBackupWindow</name>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurar copia de seguridad</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Tomada</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Sorteos</translation>
    </message>
    <message>
        <source>Last Draw</source>
        <translation>Último sorteo</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>There are no backups of %1 yet.</source>
        <translation>Aún no hay copias de seguridad de %1.</translation>
    </message>
    <message>
        <source>Backups of %1, newest first. Quor 3 takes one before anything changes or removes the database, and keeps the newest %2.</source>
        <translation>Copias de seguridad de %1, de la más reciente a la más antigua. Quor 3 toma una antes de cualquier cambio o borrado de la base de datos, y conserva las %2 más recientes.</translation>
    </message>
    <message>
        <source>Restored the backup taken %1.</source>
        <translation>Se restauró la copia de seguridad tomada el %1.</translation>
    </message>
    <message>
        <source> The database as it was is kept in %1/%2.</source>
        <translation> La base de datos tal como estaba se guarda en %1/%2.</translation>
    </message>
    <message>
        <source>Put the backup taken %1 (%2 draw, the last of %3) in the place of %4?
The database as it is now is kept as a backup first.</source>
        <translation>¿Poner la copia de seguridad tomada el %1 (%2 sorteo, el último del %3) en lugar de %4?
Antes se guarda una copia de seguridad de la base de datos tal como está.</translation>
    </message>
    <message>
        <source>Put the backup taken %1 (%2 draws, the last of %3) in the place of %4?
The database as it is now is kept as a backup first.</source>
        <translation>¿Poner la copia de seguridad tomada el %1 (%2 sorteos, el último del %3) en lugar de %4?
Antes se guarda una copia de seguridad de la base de datos tal como está.</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
</context>
<context>
    <name>ResultsFetch</name>
    <message>
        <source>Get New Results</source>
        <translation>Obtener resultados nuevos</translation>
    </message>
    <message>
        <source>No results source is set for </source>
        <translation>No hay fuente de resultados para </translation>
    </message>
    <message>
        <source>.
File &gt; Results Source... sets the address of the results file.</source>
        <translation>.
Archivo &gt; Fuente de resultados... indica la dirección del archivo de resultados.</translation>
    </message>
    <message>
        <source>Getting new results from </source>
        <translation>Obteniendo resultados nuevos de </translation>
    </message>
    <message>
        <source> (Esc cancels)</source>
        <translation> (Esc cancela)</translation>
    </message>
    <message>
        <source>Getting new results from %1: %2 KB%3 (Esc cancels)</source>
        <translation>Obteniendo resultados nuevos de %1: %2 KB%3 (Esc cancela)</translation>
    </message>
    <message>
        <source> of %1 KB</source>
        <translation> de %1 KB</translation>
    </message>
    <message>
        <source>Get New Results stored nothing.</source>
        <translation>Obtener resultados nuevos no guardó nada.</translation>
    </message>
    <message>
        <source>Nothing was stored in %1: %2</source>
        <translation>No se guardó nada en %1: %2</translation>
    </message>
    <message>
        <source>%1 holds %2 draws, its limit is %3. Storing the new draw keeps the newest %4 in it for the reports; every draw stays in the full history (%5 draws) and in a backup. Store it?</source>
        <translation>%1 tiene %2 sorteos y su límite es %3. Guardar el sorteo nuevo deja en ella los %4 más recientes para los informes; todos los sorteos quedan en el historial completo (%5 sorteos) y en una copia de seguridad. ¿Guardarlo?</translation>
    </message>
    <message>
        <source>%1 holds %2 draws, its limit is %3. Storing the %6 new draws keeps the newest %4 or more in it for the reports; every draw stays in the full history (%5 draws) and in a backup. Store them?</source>
        <translation>%1 tiene %2 sorteos y su límite es %3. Guardar los %6 sorteos nuevos deja en ella los %4 más recientes o algunos más para los informes; todos los sorteos quedan en el historial completo (%5 sorteos) y en una copia de seguridad. ¿Guardarlos?</translation>
    </message>
</context>
<context>
    <name>ResultsSourceWindow</name>
    <message>
        <source>Results Source</source>
        <translation>Fuente de resultados</translation>
    </message>
    <message>
        <source>&amp;Address of the results file (https://, http://, or a file on this computer):</source>
        <translation>&amp;Dirección del archivo de resultados (https://, http:// o un archivo de esta computadora):</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>&amp;Try</source>
        <translation>&amp;Probar</translation>
    </message>
    <message>
        <source>Try the address to see the draws it holds.</source>
        <translation>Pruebe la dirección para ver los sorteos que contiene.</translation>
    </message>
    <message>
        <source>Newest draws in the file:</source>
        <translation>Sorteos más recientes del archivo:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Choose a Results File</source>
        <translation>Elegir un archivo de resultados</translation>
    </message>
    <message>
        <source>Results files (*.csv *.txt *.tsv *.json);;All files (*)</source>
        <translation>Archivos de resultados (*.csv *.txt *.tsv *.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Type the address of the results file first.</source>
        <translation>Escriba primero la dirección del archivo de resultados.</translation>
    </message>
    <message>
        <source>Trying </source>
        <translation>Probando </translation>
    </message>
    <message>
        <source> holds no draw that Quor 3 can read.</source>
        <translation> no contiene ningún sorteo que Quor 3 pueda leer.</translation>
    </message>
    <message>
        <source>%1 draws found. Layout: %2.</source>
        <translation>Se encontraron %1 sorteos. Formato: %2.</translation>
    </message>
    <message>
        <source>&amp;Draw:</source>
        <translation>&amp;Sorteo:</translation>
    </message>
    <message>
        <source>Check for new results &amp;every day</source>
        <translation>Buscar resultados nuevos &amp;todos los días</translation>
    </message>
    <message>
        <source>Every database in ~/quor3box that has a results source, once a day, also while Quor 3 is closed. It is turned on or off at once.</source>
        <translation>Cada base de datos de ~/quor3box que tiene una fuente de resultados, una vez al día, también con Quor 3 cerrado. Se activa o desactiva al instante.</translation>
    </message>
    <message>
        <source>Check for new results &amp;when this database opens</source>
        <translation>&amp;Buscar resultados nuevos al abrir esta base de datos</translation>
    </message>
</context>
<context>
    <name>SearchWindow</name>
    <message>
        <source>Random (3)</source>
        <translation>Al azar (3)</translation>
    </message>
    <message>
        <source>Random (2)</source>
        <translation>Al azar (2)</translation>
    </message>
    <message>
        <source>Random (1)</source>
        <translation>Al azar (1)</translation>
    </message>
    <message>
        <source>Doubles</source>
        <translation>Dobles</translation>
    </message>
    <message>
        <source>Search Database</source>
        <translation>Buscar en la base de datos</translation>
    </message>
    <message>
        <source> Choose Type of  Search </source>
        <translation> Elija el tipo de búsqueda </translation>
    </message>
    <message>
        <source>Search Values:</source>
        <translation>Valores a buscar:</translation>
    </message>
    <message>
        <source>&amp;Begin Search</source>
        <translation>&amp;Iniciar búsqueda</translation>
    </message>
    <message>
        <source>Number of Matches:</source>
        <translation>Número de coincidencias:</translation>
    </message>
    <message>
        <source>Total Number of Entries in Database:</source>
        <translation>Total de números en la base de datos:</translation>
    </message>
    <message>
        <source>You forgot to select a Search Type</source>
        <translation>Olvidó elegir un tipo de búsqueda</translation>
    </message>
    <message>
        <source>First search digit</source>
        <translation>Primer dígito a buscar</translation>
    </message>
    <message>
        <source>Second search digit</source>
        <translation>Segundo dígito a buscar</translation>
    </message>
    <message>
        <source>Third search digit</source>
        <translation>Tercer dígito a buscar</translation>
    </message>
    <message>
        <source>Matching draws</source>
        <translation>Sorteos que coinciden</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Older draws kept in %1/%2</source>
        <translation>Sorteos anteriores guardados en %1/%2</translation>
    </message>
</context>
<context>
    <name>SetsConfigDialog</name>
    <message>
        <source>Zero</source>
        <translation>Cero</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Uno</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Cuatro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Siete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Ocho</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nueve</translation>
    </message>
    <message>
        <source>Sets Configuration</source>
        <translation>Configuración de conjuntos</translation>
    </message>
    <message>
        <source>Track Sets over past </source>
        <translation>Seguir conjuntos en los últimos </translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Conjunto %1</translation>
    </message>
    <message>
        <source>Choose the numbers you wish to track for Set#%1</source>
        <translation>Elija los números que desea seguir en el conjunto n.º %1</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Save &amp;&amp; Close</source>
        <translation>&amp;Guardar y cerrar</translation>
    </message>
    <message>
        <source>How many draws to track</source>
        <translation>Cuántos sorteos seguir</translation>
    </message>
    <message>
        <source>Set %1: %2</source>
        <translation>Conjunto %1: %2</translation>
    </message>
    <message>
        <source>draws</source>
        <translation>sorteos</translation>
    </message>
</context>
<context>
    <name>SetsGraphWindow</name>
    <message>
        <source>Set %1: %2</source>
        <translation>Conjunto %1: %2</translation>
    </message>
    <message>
        <source>no digits</source>
        <translation>ningún dígito</translation>
    </message>
    <message>
        <source>Graph Sets</source>
        <translation>Gráfico de conjuntos</translation>
    </message>
    <message>
        <source>C&amp;ustomize</source>
        <translation>&amp;Personalizar</translation>
    </message>
    <message>
        <source>Set Totals for Past %1 Draws</source>
        <translation>Totales por conjunto en los últimos %1 sorteos</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Conjuntos</translation>
    </message>
</context>
<context>
    <name>SkipTraceWindow</name>
    <message>
        <source>Skip/Trace Chart</source>
        <translation>Tabla de saltos y rastreo</translation>
    </message>
    <message>
        <source>Skip/Trace Chart for the last 90 days: </source>
        <translation>Saltos y rastreo de los últimos 90 días: </translation>
    </message>
    <message>
        <source>Skip/trace chart</source>
        <translation>Tabla de saltos y rastreo</translation>
    </message>
    <message>
        <source>One line per digit, one column per draw</source>
        <translation>Una línea por dígito, una columna por sorteo</translation>
    </message>
</context>
<context>
    <name>StartPanel</name>
    <message>
        <source>No database is open</source>
        <translation>No hay ninguna base de datos abierta</translation>
    </message>
    <message>
        <source>Cr&amp;eate a database</source>
        <translation>Cr&amp;ear una base de datos</translation>
    </message>
    <message>
        <source>&amp;Import results...</source>
        <translation>Im&amp;portar resultados...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ab&amp;rir...</translation>
    </message>
    <message>
        <source>Recent databases</source>
        <translation>Bases de datos recientes</translation>
    </message>
</context>
<context>
    <name>SumsGraphSettingsDialog</name>
    <message>
        <source>Sums Analysis Configuration</source>
        <translation>Configuración del análisis de sumas</translation>
    </message>
</context>
<context>
    <name>SumsGraphWindow</name>
    <message>
        <source>Sums Graph</source>
        <translation>Gráfico de sumas</translation>
    </message>
    <message>
        <source>C&amp;ustomize</source>
        <translation>&amp;Personalizar</translation>
    </message>
    <message>
        <source>Sums Analysis for Past %1 Draws</source>
        <translation>Análisis de sumas de los últimos %1 sorteos</translation>
    </message>
    <message>
        <source>Sums Analysis: no draws to show</source>
        <translation>Análisis de sumas: no hay sorteos que mostrar</translation>
    </message>
</context>
<context>
    <name>TicketsWindow</name>
    <message>
        <source>My Tickets</source>
        <translation>Mis boletos</translation>
    </message>
    <message>
        <source>Add a ticket</source>
        <translation>Agregar un boleto</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Bet type</source>
        <translation>Tipo de apuesta</translation>
    </message>
    <message>
        <source>Stake</source>
        <translation>Monto</translation>
    </message>
    <message>
        <source>First draw date</source>
        <translation>Fecha del primer sorteo</translation>
    </message>
    <message>
        <source>Number of draws</source>
        <translation>Cantidad de sorteos</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Agregar</translation>
    </message>
    <message>
        <source>Add the ticket</source>
        <translation>Agregar el boleto</translation>
    </message>
    <message>
        <source>&amp;Number:</source>
        <translation>&amp;Número:</translation>
    </message>
    <message>
        <source>&amp;Bet:</source>
        <translation>Apu&amp;esta:</translation>
    </message>
    <message>
        <source>&amp;Stake:</source>
        <translation>&amp;Monto:</translation>
    </message>
    <message>
        <source>&amp;First draw:</source>
        <translation>&amp;Primer sorteo:</translation>
    </message>
    <message>
        <source>Dra&amp;ws:</source>
        <translation>&amp;Sorteos:</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Boletos</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>First Draw</source>
        <translation>Primer sorteo</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Sorteos</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Costo</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>Premio</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Remove the selected ticket</source>
        <translation>Quitar el boleto seleccionado</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>E&amp;xportar CSV...</translation>
    </message>
    <message>
        <source>Export the tickets as CSV</source>
        <translation>Exportar los boletos como CSV</translation>
    </message>
    <message>
        <source>Prize &amp;Table...</source>
        <translation>&amp;Tabla de premios...</translation>
    </message>
    <message>
        <source>Edit the prize table</source>
        <translation>Editar la tabla de premios</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Monthly budget in dollars, 0 for none</source>
        <translation>Presupuesto mensual en dólares, 0 para ninguno</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Monthly b&amp;udget:</source>
        <translation>Presup&amp;uesto mensual:</translation>
    </message>
    <message>
        <source>Spent and won by month</source>
        <translation>Gastado y ganado por mes</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Gastado</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganado</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Bar chart of spent and won by month</source>
        <translation>Gráfico de barras de lo gastado y ganado por mes</translation>
    </message>
    <message>
        <source>No database is open: open one to keep its tickets.</source>
        <translation>No hay ninguna base de datos abierta: abra una para guardar sus boletos.</translation>
    </message>
    <message>
        <source>Tickets for the draws of %1.</source>
        <translation>Boletos para los sorteos de %1.</translation>
    </message>
    <message>
        <source>No tickets yet: type a number, choose the bet, and press Enter.</source>
        <translation>Aún no hay boletos: escriba un número, elija la apuesta y pulse Intro.</translation>
    </message>
    <message>
        <source>1 ticket</source>
        <translation>1 boleto</translation>
    </message>
    <message>
        <source>%1 tickets</source>
        <translation>%1 boletos</translation>
    </message>
    <message>
        <source>%1: spent %2, won %3. Balance of the plays drawn so far: %4.</source>
        <translation>%1: gastado %2, ganado %3. Saldo de las jugadas sorteadas hasta ahora: %4.</translation>
    </message>
    <message>
        <source>On average these plays would have paid back %1; they paid %2.</source>
        <translation>En promedio, estas jugadas habrían devuelto %1; pagaron %2.</translation>
    </message>
    <message>
        <source>Monthly budget: %1 left for %2.</source>
        <translation>Presupuesto mensual: quedan %1 para %2.</translation>
    </message>
    <message>
        <source>Monthly budget: %1 over for %2.</source>
        <translation>Presupuesto mensual: %1 de más para %2.</translation>
    </message>
    <message>
        <source>Type the ticket&apos;s number as three digits, such as 056.</source>
        <translation>Escriba el número del boleto con tres dígitos, como 056.</translation>
    </message>
    <message>
        <source>No database is open: open or name one first.</source>
        <translation>No hay ninguna base de datos abierta: abra o nombre una primero.</translation>
    </message>
    <message>
        <source>This ticket costs %1, and %2 of the monthly budget is left for %3. Add it anyway?</source>
        <translation>Este boleto cuesta %1 y quedan %2 del presupuesto mensual para %3. ¿Agregarlo de todos modos?</translation>
    </message>
    <message>
        <source>Remove ticket %1 %2 for %3?</source>
        <translation>¿Quitar el boleto %1 %2 de %3?</translation>
    </message>
    <message>
        <source>Export Tickets</source>
        <translation>Exportar boletos</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Archivo CSV (*.csv)</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en espera</translation>
    </message>
    <message>
        <source>Your habit over a year</source>
        <translation>Su hábito en un año</translation>
    </message>
    <message>
        <source>No tickets in the last 30 days: a year of your habit shows here once there are.</source>
        <translation>No hay boletos en los últimos 30 días: aquí se verá un año de su hábito cuando los haya.</translation>
    </message>
    <message>
        <source>Your tickets of the last 30 days, played the same way for a year (%1 draws): spent %2, paid back %3 on average. Chance of ending the year ahead: %4.</source>
        <translation>Sus boletos de los últimos 30 días, jugados igual durante un año (%1 sorteos): gastaría %2 y recuperaría %3 en promedio. Probabilidad de terminar el año ganando: %4.</translation>
    </message>
    <message>
        <source>1 play</source>
        <translation>1 jugada</translation>
    </message>
    <message>
        <source>%1 plays</source>
        <translation>%1 jugadas</translation>
    </message>
    <message>
        <source>Add %1 as tickets from %2, for %3 draws each, at %4 in all?</source>
        <translation>¿Agregar %1 como boletos desde el %2, por %3 sorteos cada uno, por %4 en total?</translation>
    </message>
    <message>
        <source>These tickets cost %1, and %2 of the monthly budget is left for %3. Add them anyway?</source>
        <translation>Estos boletos cuestan %1 y quedan %2 del presupuesto mensual para %3. ¿Agregarlos de todos modos?</translation>
    </message>
    <message>
        <source>With the add-&amp;on (twice the cost)</source>
        <translation>Con el adici&amp;onal (el doble del costo)</translation>
    </message>
    <message>
        <source>Played with the add-on</source>
        <translation>Jugado con el adicional</translation>
    </message>
    <message>
        <source>%1 with the add-on</source>
        <translation>%1 con el adicional</translation>
    </message>
</context>
<context>
    <name>TotalsGraphSettingsDialog</name>
    <message>
        <source>Cumulative Totals Configuration</source>
        <translation>Configuración de totales acumulados</translation>
    </message>
</context>
<context>
    <name>TotalsGraphWindow</name>
    <message>
        <source>Totals Bar Graph</source>
        <translation>Gráfico de barras de totales</translation>
    </message>
    <message>
        <source>C&amp;ustomize</source>
        <translation>&amp;Personalizar</translation>
    </message>
    <message>
        <source>Cumulative Totals for Past %1 Draws</source>
        <translation>Totales acumulados de los últimos %1 sorteos</translation>
    </message>
    <message>
        <source>Cumulative Totals: no draws to show</source>
        <translation>Totales acumulados: no hay sorteos que mostrar</translation>
    </message>
</context>
<context>
    <name>TotalsWindow</name>
    <message>
        <source>Totals Report</source>
        <translation>Informe de totales</translation>
    </message>
    <message>
        <source>Lottery Numbers: </source>
        <translation>Números de la lotería: </translation>
    </message>
    <message>
        <source> #Times Picked: </source>
        <translation> Veces que salió: </translation>
    </message>
</context>
<context>
    <name>TrackDrawsDialog</name>
    <message>
        <source>How Many Draws to Track:</source>
        <translation>Cuántos sorteos seguir:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>How many draws to track</source>
        <translation>Cuántos sorteos seguir</translation>
    </message>
</context>
<context>
    <name>UndoLastEntry</name>
    <message>
        <source>Undo Last Entry</source>
        <translation>Deshacer la última entrada</translation>
    </message>
    <message>
        <source>There is no entry to undo: no draw has been entered into %1 since Quor 3 started.</source>
        <translation>No hay nada que deshacer: no se ha agregado ningún sorteo a %1 desde que se inició Quor 3.</translation>
    </message>
    <message>
        <source>Remove the last entry, %1 of %2, from %3?</source>
        <translation>¿Quitar la última entrada, %1 del %2, de %3?</translation>
    </message>
    <message>
        <source>
That entry cut the database back: it comes back as it was before, from %1/%2.</source>
        <translation>
Esa entrada recortó la base de datos: vuelve a quedar como estaba, desde %1/%2.</translation>
    </message>
    <message>
        <source>
What it wrote in &quot;%1&quot; goes with it.</source>
        <translation>
Lo que escribió en &quot;%1&quot; también se quita.</translation>
    </message>
</context>
<context>
    <name>UpdateMenuWindow</name>
    <message>
        <source>Update Database Sub-Menu</source>
        <translation>Submenú de actualización de la base de datos</translation>
    </message>
    <message>
        <source>&amp;Add More Entries</source>
        <translation>&amp;Agregar números</translation>
    </message>
    <message>
        <source>&amp;Make Corrections</source>
        <translation>&amp;Hacer correcciones</translation>
    </message>
    <message>
        <source>Stored draws</source>
        <translation>Sorteos guardados</translation>
    </message>
    <message>
        <source>The newest first</source>
        <translation>El más reciente primero</translation>
    </message>
</context>
<context>
    <name>WindowKit</name>
    <message>
        <source>M/d/yyyy</source>
        <extracomment>A date as M/d/yyyy (month, day, year); put day and month in the language&apos;s order.</extracomment>
        <translation>d/M/yyyy</translation>
    </message>
</context>
<context>
    <name>quor3::Backtest</name>
    <message>
        <source>%1 time</source>
        <translation>%1 vez</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1 veces</translation>
    </message>
    <message>
        <source>fewer than 1 of 100</source>
        <translation>menos de 1 de cada 100</translation>
    </message>
    <message>
        <source>about %1 of 100</source>
        <translation>unas %1 de cada 100</translation>
    </message>
    <message>
        <source>hot</source>
        <translation>caliente</translation>
    </message>
    <message>
        <source>cold</source>
        <translation>fría</translation>
    </message>
    <message>
        <source>warm</source>
        <translation>tibia</translation>
    </message>
    <message>
        <source>odd/even</source>
        <translation>impar/par</translation>
    </message>
    <message>
        <source>ordinal</source>
        <translation>ordinal</translation>
    </message>
    <message>
        <source>pairs</source>
        <translation>de pares</translation>
    </message>
    <message>
        <source>% repeats</source>
        <translation>de % de repeticiones</translation>
    </message>
    <message>
        <source>No draws were tested. The backtest compares each draw from draw %1 on with the choices made from the draws before it, so it needs at least %1 draws.</source>
        <translation>No se probó ningún sorteo. La prueba compara cada sorteo a partir del sorteo %1 con las jugadas sugeridas a partir de los sorteos anteriores, así que necesita al menos %1 sorteos.</translation>
    </message>
    <message>
        <source>Over %1 draw the 33 daily choices matched %2; plays picked at random would match about %3 times (95% range %4-%5).</source>
        <translation>En %1 sorteo, las 33 jugadas sugeridas de cada día acertaron %2; jugadas elegidas al azar acertarían unas %3 veces (rango del 95%: %4-%5).</translation>
    </message>
    <message>
        <source>Over %1 draws the 33 daily choices matched %2; plays picked at random would match about %3 times (95% range %4-%5).</source>
        <translation>En %1 sorteos, las 33 jugadas sugeridas de cada día acertaron %2; jugadas elegidas al azar acertarían unas %3 veces (rango del 95%: %4-%5).</translation>
    </message>
    <message>
        <source> The choices did no better than chance.</source>
        <translation> Las jugadas sugeridas no lo hicieron mejor que el azar.</translation>
    </message>
    <message>
        <source> That is more than random plays usually manage (%1), but luck alone does this in %2 histories; it does not show that the choices can predict a draw.</source>
        <translation> Es más de lo que suelen lograr las jugadas al azar (%1), pero la suerte sola lo consigue en %2 historiales; no demuestra que las jugadas sugeridas puedan predecir un sorteo.</translation>
    </message>
    <message>
        <source> That is fewer than random plays usually manage (%1); luck alone does this in %2 histories.</source>
        <translation> Es menos de lo que suelen lograr las jugadas al azar (%1); la suerte sola lo consigue en %2 historiales.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>more often than chance would usually give</source>
        <translation>más a menudo de lo que suele dar el azar</translation>
    </message>
    <message>
        <source>less often than chance would usually give</source>
        <translation>menos a menudo de lo que suele dar el azar</translation>
    </message>
    <message>
        <source>further from chance than usual</source>
        <translation>más lejos del azar de lo habitual</translation>
    </message>
    <message>
        <source> The %1 list matched %2 (%3), but with seven lists, one such result turns up by luck in about one run in three.</source>
        <translation> La lista %1 acertó %2 (%3), pero con siete listas un resultado así aparece por suerte en una de cada tres pruebas, más o menos.</translation>
    </message>
    <message>
        <source> The %1 lists matched %2 (%3), but with seven lists, one such result turns up by luck in about one run in three.</source>
        <translation> Las listas %1 acertaron %2 (%3), pero con siete listas un resultado así aparece por suerte en una de cada tres pruebas, más o menos.</translation>
    </message>
    <message>
        <source>Backtest of %1: %2 draws tested from draw %3 on, odd/even seed %4</source>
        <translation>Prueba de %1: %2 sorteos probados a partir del sorteo %3, semilla de impar/par %4</translation>
    </message>
    <message>
        <source>list</source>
        <translation>lista</translation>
    </message>
    <message>
        <source>plays</source>
        <translation>jugadas</translation>
    </message>
    <message>
        <source>box hits</source>
        <translation>combin.</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>esperados</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>exactas</translation>
    </message>
    <message>
        <source>p (box)</source>
        <translation>p (comb)</translation>
    </message>
    <message>
        <source>95% range of the total box hits of plays picked at random: %1-%2</source>
        <translation>Rango del 95% del total de aciertos en cualquier orden de las jugadas al azar: %1-%2</translation>
    </message>
</context>
<context>
    <name>quor3::Backups</name>
    <message>
        <source>before a correction of %1</source>
        <translation>antes de una corrección del %1</translation>
    </message>
    <message>
        <source>before deleting the draw of %1</source>
        <translation>antes de borrar el sorteo del %1</translation>
    </message>
    <message>
        <source>before an import</source>
        <translation>antes de una importación</translation>
    </message>
    <message>
        <source>before a cut-back</source>
        <translation>antes de un recorte</translation>
    </message>
    <message>
        <source>before a restore</source>
        <translation>antes de una restauración</translation>
    </message>
    <message>
        <source>before an undo</source>
        <translation>antes de deshacer</translation>
    </message>
    <message>
        <source>before the database was deleted</source>
        <translation>antes de borrar la base de datos</translation>
    </message>
</context>
<context>
    <name>quor3::Chance</name>
    <message>
        <source>no draws to count</source>
        <translation>no hay sorteos que contar</translation>
    </message>
    <message>
        <source>Box hits of the Hot Numbers suggestions</source>
        <translation>Aciertos en cualquier orden de las sugerencias Números calientes</translation>
    </message>
    <message>
        <source>Box hits of the Cold Numbers suggestions</source>
        <translation>Aciertos en cualquier orden de las sugerencias Números fríos</translation>
    </message>
    <message>
        <source>Box hits of the Warm Numbers suggestions</source>
        <translation>Aciertos en cualquier orden de las sugerencias Números tibios</translation>
    </message>
    <message>
        <source>Box hits of the Odd/Even suggestions</source>
        <translation>Aciertos en cualquier orden de las sugerencias Impar/par</translation>
    </message>
    <message>
        <source>Box hits of the Ordinal suggestions</source>
        <translation>Aciertos en cualquier orden de las sugerencias Ordinal</translation>
    </message>
    <message>
        <source>Box hits of the Pairs suggestions</source>
        <translation>Aciertos en cualquier orden de las sugerencias Pares</translation>
    </message>
    <message>
        <source>Box hits of the Pct. Repeats suggestions</source>
        <translation>Aciertos en cualquier orden de las sugerencias % de repeticiones</translation>
    </message>
    <message>
        <source>Box hits of all the suggestions</source>
        <translation>Aciertos en cualquier orden de todas las sugerencias</translation>
    </message>
    <message>
        <source>as chance gives</source>
        <translation>como da el azar</translation>
    </message>
    <message>
        <source>unusual: chance gives this less than 1 time in a million</source>
        <translation>inusual: el azar da esto menos de 1 vez en un millón</translation>
    </message>
    <message>
        <source>unusual: chance gives this about 1 time in %1</source>
        <translation>inusual: el azar da esto alrededor de 1 vez en %1</translation>
    </message>
    <message>
        <source>Digit %1 among all digits drawn</source>
        <translation>Dígito %1 entre todos los dígitos sorteados</translation>
    </message>
    <message>
        <source>Digit %1 in position %2</source>
        <translation>Dígito %1 en la posición %2</translation>
    </message>
    <message>
        <source>Times the hottest digit was drawn in the last %1 draws</source>
        <translation>Veces que salió el dígito más caliente en los últimos %1 sorteos</translation>
    </message>
    <message>
        <source>Times the coldest digit was drawn in the last %1 draws</source>
        <translation>Veces que salió el dígito más frío en los últimos %1 sorteos</translation>
    </message>
    <message>
        <source>Draws holding %1 at least twice</source>
        <translation>Sorteos con %1 al menos dos veces</translation>
    </message>
    <message>
        <source>Draws holding both %1 and %2</source>
        <translation>Sorteos con %1 y %2</translation>
    </message>
    <message>
        <source>Draws with %1 odd digits</source>
        <translation>Sorteos con %1 dígitos impares</translation>
    </message>
    <message>
        <source>Draws whose digits add up to %1</source>
        <translation>Sorteos cuyos dígitos suman %1</translation>
    </message>
    <message>
        <source>Draws whose digits add up to %1 to %2</source>
        <translation>Sorteos cuyos dígitos suman de %1 a %2</translation>
    </message>
    <message>
        <source>Draws of three different digits (singles)</source>
        <translation>Sorteos de tres dígitos distintos (simples)</translation>
    </message>
    <message>
        <source>Draws with two equal digits (doubles)</source>
        <translation>Sorteos con dos dígitos iguales (dobles)</translation>
    </message>
    <message>
        <source>Draws of one digit three times (triples)</source>
        <translation>Sorteos de un dígito tres veces (triples)</translation>
    </message>
    <message>
        <source>Draws holding a digit of the draw before</source>
        <translation>Sorteos con un dígito del sorteo anterior</translation>
    </message>
    <message>
        <source>Digit %1 drawn again in the next draw</source>
        <translation>Dígito %1 repetido en el sorteo siguiente</translation>
    </message>
    <message>
        <source>Draws since %1 was last drawn</source>
        <translation>Sorteos desde la última vez que salió el %1</translation>
    </message>
    <message>
        <source>Of these %1 patterns, chance alone would put about %2 outside their range; %3 are.</source>
        <translation>De estos %1 patrones, el azar por sí solo dejaría unos %2 fuera de su rango; lo están %3.</translation>
    </message>
    <message>
        <source>%1: no draws to count yet.</source>
        <translation>%1: aún no hay sorteos que contar.</translation>
    </message>
    <message>
        <source>Chance gives %1; 95 times in 100 between %2 and %3 for %4. Seen %5: %6.</source>
        <translation>El azar da %1; 95 veces de 100 entre %2 y %3 para %4. Visto %5: %6.</translation>
    </message>
    <message>
        <source>Chance gives %1 on average; 95 times in 100 between %2 and %3 for %4. Seen %5: %6.</source>
        <translation>El azar da %1 en promedio; 95 veces de 100 entre %2 y %3 para %4. Visto %5: %6.</translation>
    </message>
    <message>
        <source>%1 draw</source>
        <translation>%1 sorteo</translation>
    </message>
    <message>
        <source>%1 draws</source>
        <translation>%1 sorteos</translation>
    </message>
    <message>
        <source>%1: %2 draw</source>
        <translation>%1: %2 sorteo</translation>
    </message>
    <message>
        <source>%1: %2 draws</source>
        <translation>%1: %2 sorteos</translation>
    </message>
    <message>
        <source>seen %1, chance %2, 95% range %3 to %4: %5</source>
        <translation>visto %1, azar %2, rango del 95% de %3 a %4: %5</translation>
    </message>
</context>
<context>
    <name>quor3::CommandLine</name>
    <message>
        <source>&apos;%1&apos; is not a digit from 0 to 9</source>
        <translation>&apos;%1&apos; no es un dígito del 0 al 9</translation>
    </message>
    <message>
        <source>%1 draw</source>
        <translation>%1 sorteo</translation>
    </message>
    <message>
        <source>%1 draws</source>
        <translation>%1 sorteos</translation>
    </message>
    <message>
        <source>%1, %2 to %3</source>
        <translation>%1, del %2 al %3</translation>
    </message>
    <message>
        <source>The full history as it was is kept in %1/%2.</source>
        <translation>El historial completo tal como estaba se guarda en %1/%2.</translation>
    </message>
    <message>
        <source>Working database: %1</source>
        <translation>Base de datos de trabajo: %1</translation>
    </message>
    <message>
        <source>Full history: %1 (in %2)</source>
        <translation>Historial completo: %1 (en %2)</translation>
    </message>
    <message>
        <source>Exported the full history, %1 draw, to %2.</source>
        <translation>Se exportó el historial completo, %1 sorteo, a %2.</translation>
    </message>
    <message>
        <source>Exported the full history, %1 draws, to %2.</source>
        <translation>Se exportó el historial completo, %1 sorteos, a %2.</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>Formato: %1</translation>
    </message>
    <message>
        <source>Skipped line %1: %2: %3</source>
        <translation>Línea omitida %1: %2: %3</translation>
    </message>
    <message>
        <source>... and %1 more skipped lines.</source>
        <translation>... y %1 líneas omitidas más.</translation>
    </message>
    <message>
        <source>Left aside %1 lines of other draws.</source>
        <translation>Se dejaron de lado %1 líneas de otros sorteos.</translation>
    </message>
    <message>
        <source>Counted once %1 draws the file repeats.</source>
        <translation>Se contaron una sola vez %1 sorteos que el archivo repite.</translation>
    </message>
    <message>
        <source>%1 holds no draw that Quor 3 can read; nothing changed.</source>
        <translation>%1 no contiene ningún sorteo que Quor 3 pueda leer; no cambió nada.</translation>
    </message>
    <message>
        <source>Exported %1 draw to %2.</source>
        <translation>Se exportó %1 sorteo a %2.</translation>
    </message>
    <message>
        <source>Exported %1 draws to %2.</source>
        <translation>Se exportaron %1 sorteos a %2.</translation>
    </message>
    <message>
        <source>No backups of %1.</source>
        <translation>No hay copias de seguridad de %1.</translation>
    </message>
    <message>
        <source>%1  taken %2  %3 draw  last draw %4</source>
        <translation>%1  tomada %2  %3 sorteo  último sorteo %4</translation>
    </message>
    <message>
        <source>%1  taken %2  %3 draws  last draw %4</source>
        <translation>%1  tomada %2  %3 sorteos  último sorteo %4</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Restored %1.</source>
        <translation>Se restauró %1.</translation>
    </message>
    <message>
        <source> The database as it was is kept in %1/%2.</source>
        <translation> La base de datos tal como estaba se guarda en %1/%2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not %2</source>
        <translation>&apos;%1&apos; no es %2</translation>
    </message>
    <message>
        <source>a date (M/D/YYYY or YYYY-MM-DD)</source>
        <translation>una fecha (M/D/YYYY o YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>an amount of money (like 1, 0.50 or 167.00)</source>
        <translation>una cantidad de dinero (como 1, 0.50 o 167.00)</translation>
    </message>
    <message>
        <source>No tickets.</source>
        <translation>No hay boletos.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>First draw</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Sort.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Stake</source>
        <translation>Monto</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Costo</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>%1 ticket, spent %2 (%3 on draws already drawn), won %4: %5.</source>
        <translation>%1 boleto, gastado %2 (%3 en sorteos ya realizados), ganado %4: %5.</translation>
    </message>
    <message>
        <source>%1 tickets, spent %2 (%3 on draws already drawn), won %4: %5.</source>
        <translation>%1 boletos, gastado %2 (%3 en sorteos ya realizados), ganado %4: %5.</translation>
    </message>
    <message>
        <source>Monthly budget %1; overspent this month by %2.</source>
        <translation>Presupuesto mensual %1; este mes se excedió en %2.</translation>
    </message>
    <message>
        <source>Monthly budget %1; left this month %2.</source>
        <translation>Presupuesto mensual %1; queda este mes %2.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Gastado</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganado</translation>
    </message>
    <message>
        <source>a number of three digits (like 056)</source>
        <translation>un número de tres dígitos (como 056)</translation>
    </message>
    <message>
        <source>a bet type (straight, box, straightbox, combo, frontpair, backpair)</source>
        <translation>un tipo de apuesta (straight, box, straightbox, combo, frontpair, backpair)</translation>
    </message>
    <message>
        <source>Added ticket %1: %2 %3, %4 a draw on %5 draw from %6, cost %7. %8.</source>
        <translation>Se agregó el boleto %1: %2 %3, %4 por sorteo en %5 sorteo desde el %6, costo %7. %8.</translation>
    </message>
    <message>
        <source>Added ticket %1: %2 %3, %4 a draw on %5 draws from %6, cost %7. %8.</source>
        <translation>Se agregó el boleto %1: %2 %3, %4 por sorteo en %5 sorteos desde el %6, costo %7. %8.</translation>
    </message>
    <message>
        <source>It takes the spending of its month past the monthly budget of %1.</source>
        <translation>Con él, el gasto de su mes supera el presupuesto mensual de %1.</translation>
    </message>
    <message>
        <source>Removed ticket %1.</source>
        <translation>Se quitó el boleto %1.</translation>
    </message>
    <message>
        <source>Exported the tickets to %1.</source>
        <translation>Se exportaron los boletos a %1.</translation>
    </message>
    <message>
        <source>Monthly budget: %1.</source>
        <translation>Presupuesto mensual: %1.</translation>
    </message>
    <message>
        <source>No monthly budget.</source>
        <translation>No hay presupuesto mensual.</translation>
    </message>
    <message>
        <source>a prize (straight, box3, box6, straightbox3exact, straightbox3any, straightbox6exact, straightbox6any, combo, frontpair, backpair)</source>
        <translation>un premio (straight, box3, box6, straightbox3exact, straightbox3any, straightbox6exact, straightbox6any, combo, frontpair, backpair)</translation>
    </message>
    <message>
        <source>From %1, for a $1 play:</source>
        <translation>Desde %1, por una jugada de $1:</translation>
    </message>
    <message>
        <source>the earliest date</source>
        <translation>la fecha más antigua</translation>
    </message>
    <message>
        <source>The database was full: it keeps its newest %1 draws and the new one; every draw stays in its full history, %2.</source>
        <translation>La base de datos estaba llena: conserva sus %1 sorteos más recientes y el nuevo; todos los sorteos siguen en su historial completo, %2.</translation>
    </message>
    <message>
        <source>The older draws are kept in %1/%2.</source>
        <translation>Los sorteos más antiguos se guardan en %1/%2.</translation>
    </message>
    <message>
        <source>wrong arguments</source>
        <translation>argumentos incorrectos</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a list of weekdays (such as &quot;Mon Tue Wed Thu Fri Sat&quot;) or &quot;learned&quot;</source>
        <translation>&apos;%1&apos; no es una lista de días de la semana (como &quot;Mon Tue Wed Thu Fri Sat&quot;) ni &quot;learned&quot;</translation>
    </message>
    <message>
        <source>Draw days: %1</source>
        <translation>Días de sorteo: %1</translation>
    </message>
    <message>
        <source>%1 draw day missing in the last year</source>
        <translation>Falta %1 día de sorteo en el último año</translation>
    </message>
    <message>
        <source>%1 draw days missing in the last year</source>
        <translation>Faltan %1 días de sorteo en el último año</translation>
    </message>
    <message>
        <source>Odds per draw and what a play pays back per $1, by the prizes in force on %1:</source>
        <translation>Probabilidades por sorteo y lo que una jugada devuelve por $1, según los premios vigentes el %1:</translation>
    </message>
    <message>
        <source>(published: winning numbers per draw, as states count them; any win: the chance of at least one win in a draw)</source>
        <translation>(publicada: números ganadores por sorteo, como los cuentan los estados; ganar: la probabilidad de ganar al menos una vez en un sorteo)</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>Published</source>
        <translation>Publicada</translation>
    </message>
    <message>
        <source>Any win</source>
        <translation>Ganar</translation>
    </message>
    <message>
        <source>Pays back</source>
        <translation>Devuelve</translation>
    </message>
    <message>
        <source>add-on</source>
        <translation>adicional</translation>
    </message>
    <message>
        <source>with the add-on</source>
        <translation>con el adicional</translation>
    </message>
    <message>
        <source>The cut-back follows your answer &quot;Don&apos;t ask again for this database&quot;.</source>
        <translation>El recorte sigue su respuesta &quot;No volver a preguntar para esta base de datos&quot;.</translation>
    </message>
    <message>
        <source>The cut-back was made without a question, as Quor 3 always did on a full database; in Quor 3, Get New Results asks first.</source>
        <translation>El recorte se hizo sin preguntar, como Quor 3 siempre hizo con una base de datos llena; en Quor 3, Obtener resultados nuevos pregunta antes.</translation>
    </message>
    <message>
        <source>  quor3-engine chance PATH [--all] [--json]
      For every pattern the windows show (position counts, hot and cold
      digits, pairs, odd/even, sums, singles/doubles/triples, repeats, skips,
      the suggested lists&apos; hits): what the draws show, what chance gives, the
      range chance gives 95 times in 100, and how many rows chance alone puts
      outside it. With --all: over the full history.
  quor3-engine wheel --digits DIGITS --type fullbox|box|keybox|straight|fullstraight
        [--key D] [--stake S] [--bet straight|box] [--draws N] [--json]
        [--database PATH] [--sum A-B] [--root-sum A-B] [--spread A-B] [--odd A-B]
        [--high A-B] [--no-singles] [--no-doubles] [--no-triples]
        [--include DIGITS] [--exclude DIGITS] [--repeat]
      The plays a wheel makes of the digits, filtered, with their cost per draw
      and over N draws (365 by default), the chance of any win per draw, what
      they pay back per dollar and the chance of ending the N draws ahead.
      Each filter shows its share of the 1,000 numbers beside its share of
      PATH&apos;s draws (--repeat: a digit of PATH&apos;s last draw).
  quor3-engine tickets PATH horizon [--draws N] [--json]
      The tickets of the last 30 days as a habit over N draws (a year of
      draws by default): spent, what chance returns on average, and the
      chance of ending ahead.
</source>
        <translation>  quor3-engine chance PATH [--all] [--json]
      Para cada patrón que muestran las ventanas (conteos por posición, dígitos
      calientes y fríos, pares, impar/par, sumas, simples/dobles/triples,
      repeticiones, saltos, aciertos de las listas sugeridas): lo que muestran
      los sorteos, lo que da el azar, el rango que el azar da 95 veces de 100 y
      cuántas filas deja el azar por sí solo fuera de él. Con --all: sobre el
      historial completo.
  quor3-engine wheel --digits DIGITS --type fullbox|box|keybox|straight|fullstraight
        [--key D] [--stake S] [--bet straight|box] [--draws N] [--json]
        [--database PATH] [--sum A-B] [--root-sum A-B] [--spread A-B] [--odd A-B]
        [--high A-B] [--no-singles] [--no-doubles] [--no-triples]
        [--include DIGITS] [--exclude DIGITS] [--repeat]
      Las jugadas que una rueda arma con los dígitos, filtradas, con su costo por
      sorteo y en N sorteos (365 por omisión), la probabilidad de ganar algo por
      sorteo, lo que devuelven por dólar y la probabilidad de terminar los N
      sorteos ganando. Cada filtro muestra su parte de los 1.000 números junto a
      su parte de los sorteos de PATH (--repeat: un dígito del último sorteo de
      PATH).
  quor3-engine tickets PATH horizon [--draws N] [--json]
      Los boletos de los últimos 30 días como hábito durante N sorteos (un año
      de sorteos por omisión): lo gastado, lo que el azar devuelve en promedio y
      la probabilidad de terminar ganando.
</translation>
    </message>
    <message>
        <source>a list of digits (like 12345)</source>
        <translation>una lista de dígitos (como 12345)</translation>
    </message>
    <message>
        <source>a range (like 10-17)</source>
        <translation>un rango (como 10-17)</translation>
    </message>
    <message>
        <source>a wheel (fullbox, box, keybox, straight, fullstraight)</source>
        <translation>una rueda (fullbox, box, keybox, straight, fullstraight)</translation>
    </message>
    <message>
        <source>a digit from 0 to 9</source>
        <translation>un dígito del 0 al 9</translation>
    </message>
    <message>
        <source>straight or box</source>
        <translation>straight o box</translation>
    </message>
    <message>
        <source>%1 plays: %2</source>
        <translation>%1 jugadas: %2</translation>
    </message>
    <message>
        <source>Cost %1 a draw, %2 over %3 draws.</source>
        <translation>Costo %1 por sorteo, %2 en %3 sorteos.</translation>
    </message>
    <message>
        <source>Chance of any win in a draw: %1. Paid back on average: %2 per dollar, whatever the wheel.</source>
        <translation>Probabilidad de ganar algo en un sorteo: %1. Devuelven en promedio: %2 por dólar, sea cual sea la rueda.</translation>
    </message>
    <message>
        <source>Chance of ending the %1 draws ahead: %2.</source>
        <translation>Probabilidad de terminar los %1 sorteos ganando: %2.</translation>
    </message>
    <message>
        <source>Filter %1: %2 of the 1,000 numbers, %3 of the draws.</source>
        <translation>Filtro %1: %2 de los 1.000 números, %3 de los sorteos.</translation>
    </message>
    <message>
        <source>a number of draws from 1 on</source>
        <translation>una cantidad de sorteos desde 1</translation>
    </message>
    <message>
        <source>No tickets in the last 30 days.</source>
        <translation>No hay boletos en los últimos 30 días.</translation>
    </message>
    <message>
        <source>The tickets of the last 30 days, played the same way for %1 draws: spent %2, paid back %3 on average; chance of ending ahead %4.</source>
        <translation>Los boletos de los últimos 30 días, jugados igual durante %1 sorteos: gastado %2, devuelto %3 en promedio; probabilidad de terminar ganando %4.</translation>
    </message>
    <message>
        <source>it holds several draws of %1; change them in Quor 3&apos;s corrections window</source>
        <translation>tiene varios sorteos del %1; cámbielos en la ventana de correcciones de Quor 3</translation>
    </message>
    <message>
        <source>it holds no draw of %1</source>
        <translation>no tiene ningún sorteo del %1</translation>
    </message>
    <message>
        <source>its full history holds several draws of %1; change them in Quor 3&apos;s corrections window</source>
        <translation>su historial completo tiene varios sorteos del %1; cámbielos en la ventana de correcciones de Quor 3</translation>
    </message>
    <message>
        <source>Corrected the draw of %1: %2 (was %3).</source>
        <translation>Se corrigió el sorteo del %1: %2 (era %3).</translation>
    </message>
    <message>
        <source>Deleted the draw of %1: %2.</source>
        <translation>Se borró el sorteo del %1: %2.</translation>
    </message>
    <message>
        <source>(It was in the full history only.)</source>
        <translation>(Solo estaba en el historial completo.)</translation>
    </message>
    <message>
        <source>Took back change %1 (%2).</source>
        <translation>Se deshizo el cambio %1 (%2).</translation>
    </message>
    <message>
        <source>%1: %2 (was %3)</source>
        <translation>%1: %2 (era %3)</translation>
    </message>
    <message>
        <source>The database as it was is kept in %1/%2.</source>
        <translation>La base de datos tal como estaba se guarda en %1/%2.</translation>
    </message>
    <message>
        <source>No corrections.</source>
        <translation>No hay correcciones.</translation>
    </message>
    <message>
        <source>%1  %2: %3 (was %4), by %5</source>
        <translation>%1  %2: %3 (era %4), por %5</translation>
    </message>
    <message>
        <source>Skipped %1 lines of %2.</source>
        <translation>Se omitieron %1 líneas de %2.</translation>
    </message>
    <message>
        <source>Usage:
  quor3-engine rebuild PATH
      Rebuilds every derived data file beside the draw database PATH, as
      opening it in Quor 3 does, and prints the four status texts.
  quor3-engine add PATH M/D/YYYY D1 D2 D3
      Stores the draw D1 D2 D3 of that date (creating PATH when missing,
      cutting a full database back to its last 90 draws after a backup),
      rebuilds, and prints the four status texts.
  quor3-engine check PATH M/D/YYYY D1 D2 D3
      Compares the draw with the current computer choices, prints each
      match as its winners-log line and appends it to &quot;quor3 winners.txt&quot;.
  quor3-engine import PATH FILE [--draw NAME] [--replace]
      Reads the draws of a results file (CSV, tab or blank separated, JSON),
      merges them into PATH by date (or replaces its draws), keeps the
      newest 731, rebuilds, and prints what it stored and skipped. NAME
      chooses the draw (Midday, Evening, ...) of a file that holds several.
  quor3-engine import PATH FILE... --all-draws [--replace]
      Stores each draw of the files (Midday and Evening columns, one file
      per draw time) in its own database beside PATH, named after PATH and
      the draw (game-evening.c3d), and prints one line per database.
  quor3-engine export PATH [FILE] [--all]
      Writes the draws as CSV (date,digit1,digit2,digit3) to FILE, or to
      the standard output. With --all: the full history (every draw the
      database has ever held), in the same form.
  quor3-engine history PATH [--start-over]
      Prints the count and the first and last dates of the working
      database and of its full history (PATH.sqlite). --start-over moves
      the full history (a damaged one) to the backups and makes a new one
      from the database and its backups, keeping the tickets and the draws
      only the old one held, wherever they can still be read.
  quor3-engine correct PATH M/D/YYYY D1 D2 D3
      Corrects the draw of that date, in the database or in its full
      history alone, and settles the tickets again.
  quor3-engine delete PATH M/D/YYYY
      Deletes the draw of that date from the database and its full history.
  quor3-engine undo PATH
      Takes back the last change of any kind (an entry, a correction, an
      import, a restore...): the database and its full history as before.
  quor3-engine history PATH --log [--json]
      Prints the corrections of stored draws, newest first: when, the old
      and new draws, and where the change came from.
  quor3-engine backups PATH
      Lists the backups of PATH, newest first, with the local time each
      was taken and why.
  quor3-engine restore PATH BACKUP
      Backs PATH up, puts the backup named BACKUP in its place, rebuilds.
  quor3-engine backtest PATH [--from K] [--seed S] [--json] [--all]
      Compares every draw from index K (1 by default, the second draw) on
      with the 33 choices a rebuild of the draws before it makes (odd/even
      digits from seed S, 1 by default) and with plays picked at random.
      Writes nothing.
  quor3-engine fairness PATH [--json] [--all]
      Tests whether the draws look like fair random digits: each position,
      all positions, digit sums, patterns and repeats. Writes nothing.
      With --all, backtest and fairness use the full history.
  quor3-engine fetch PATH [--from ADDRESS] [--draw NAME]
      Fetches the results file of PATH&apos;s source (http, https or a local
      file; --from sets and saves the source) and adds the draws newer than
      the newest stored, each as an entry is added. Prints one line per
      added draw and its matches, then &quot;N new draws added&quot; or &quot;up to date&quot;.
      A full database is cut back (after a backup) as the add window does;
      draws dated after today are skipped, and a file whose draws disagree
      with most stored ones on shared dates (another draw) is refused.
      Exit status 3 when draws are stored but the statistics or the source
      could not be saved.
  quor3-engine fetch --all [FOLDER]
      Fetches every database in FOLDER (~/quor3box by default) that has a
      results source.
  quor3-engine tickets PATH [list] [--json]
      Lists the tickets played on PATH&apos;s draws, in the order added, with
      their cost, the draws settled so far and what they won.
  quor3-engine tickets PATH add DATE NUMBER TYPE STAKE [--draws N] [--addon]
      Adds a ticket: NUMBER (three digits) played as TYPE (straight, box,
      straightbox, combo, frontpair, backpair) for STAKE (0.50, 1 to 5) a
      draw, on N consecutive draws (1 by default, up to 91) from DATE
      (M/D/YYYY or YYYY-MM-DD) on. Draws already stored settle it at once.
      --addon plays the add-on digit too, for twice the stake.
  quor3-engine tickets PATH summary [--json]
      Spent, won, the balance, and what the plays return on average.
  quor3-engine tickets PATH remove ID
      Removes a ticket none of whose draws is drawn yet.
  quor3-engine tickets PATH export [FILE]
      Writes the tickets as CSV
      (first_draw,draws,number,type,stake,cost,won) to FILE or the output.
  quor3-engine tickets PATH budget [AMOUNT | none]
      Shows, sets or clears the monthly budget for tickets.
  quor3-engine prizes PATH [set DATE KEY AMOUNT | remove DATE]
      Shows the prize tables (prizes for a $1 play) and the date each is in
      force from; set changes one prize (KEY: straight, box3, box6,
      straightbox3exact, straightbox3any, straightbox6exact,
      straightbox6any, combo, frontpair, backpair; add-on prizes:
      addon-straight, addon-box3, addon-box6, addon-combo,
      addon-frontpair, addon-backpair) from DATE (or
      &quot;earliest&quot;) on; remove takes out the table from DATE. The tickets
      are settled again.
  quor3-engine --help | --version

The folder of PATH holds the derived files; the database name is the bare
file name, cut to 25 characters. A database without a full history gets
one at first use, from its file and its backups; the tickets are kept in
the full history too. Exit status: 0 on
success, 1 on failure, 2 on wrong usage, 3 when a change is stored but the
statistics could not be updated (Quor 3 updates them the next time it
opens the database).
</source>
        <translation>Uso:
  quor3-engine rebuild PATH
      Vuelve a generar todos los archivos de datos derivados junto a la base
      de datos de sorteos PATH, como al abrirla en Quor 3, y muestra los
      cuatro textos de estado.
  quor3-engine add PATH M/D/YYYY D1 D2 D3
      Guarda el sorteo D1 D2 D3 de esa fecha (crea PATH si no existe y, tras
      una copia de seguridad, recorta una base de datos llena a sus últimos
      90 sorteos), recalcula y muestra los cuatro textos de estado.
  quor3-engine check PATH M/D/YYYY D1 D2 D3
      Compara el sorteo con las jugadas sugeridas actuales,
      muestra cada acierto como su línea del registro de ganadores y la
      agrega a &quot;quor3 winners.txt&quot;.
  quor3-engine import PATH FILE [--draw NAME] [--replace]
      Lee los sorteos de un archivo de resultados (CSV, separado por
      tabuladores o espacios, JSON), los combina con PATH por fecha (o
      reemplaza sus sorteos), conserva los 731 más recientes, recalcula y
      muestra lo que guardó y lo que omitió. NAME elige el sorteo (Midday,
      Evening, ...) de un archivo que contiene varios.
  quor3-engine import PATH FILE... --all-draws [--replace]
      Guarda cada sorteo de los archivos (columnas Midday y Evening, un
      archivo por hora de sorteo) en su propia base de datos junto a PATH,
      con el nombre de PATH y del sorteo (juego-evening.c3d), y muestra una
      línea por base de datos.
  quor3-engine export PATH [FILE] [--all]
      Escribe los sorteos como CSV (date,digit1,digit2,digit3) en FILE o en
      la salida estándar. Con --all: el historial completo (todos los
      sorteos que ha tenido la base de datos), en la misma forma.
  quor3-engine history PATH [--start-over]
      Muestra la cantidad y las fechas primera y última de la base de datos
      de trabajo y de su historial completo (PATH.sqlite). --start-over mueve
      el historial completo (uno dañado) a las copias de seguridad y crea uno
      nuevo a partir de la base de datos y sus copias, conservando los boletos
      y los sorteos que solo tenía el anterior, donde aún se puedan leer.
  quor3-engine correct PATH M/D/YYYY D1 D2 D3
      Corrige el sorteo de esa fecha, en la base de datos o solo en su
      historial completo, y vuelve a liquidar los boletos.
  quor3-engine delete PATH M/D/YYYY
      Borra el sorteo de esa fecha de la base de datos y de su historial
      completo.
  quor3-engine undo PATH
      Deshace el último cambio de cualquier tipo (un número, una corrección,
      una importación, una restauración...): la base de datos y su historial
      completo quedan como antes.
  quor3-engine history PATH --log [--json]
      Muestra las correcciones de sorteos guardados, de la más reciente a la
      más antigua: cuándo, los sorteos anterior y nuevo, y de dónde vino el
      cambio.
  quor3-engine backups PATH
      Lista las copias de seguridad de PATH, de la más reciente a la más
      antigua, con la hora local en que se tomó cada una y el motivo.
  quor3-engine restore PATH BACKUP
      Hace una copia de seguridad de PATH, pone en su lugar la copia llamada
      BACKUP y recalcula.
  quor3-engine backtest PATH [--from K] [--seed S] [--json] [--all]
      Compara cada sorteo a partir del índice K (1 por omisión, el segundo
      sorteo) con las 33 jugadas sugeridas que hace un recálculo de los sorteos
      anteriores (dígitos de impar/par de la semilla S, 1 por omisión) y con
      jugadas elegidas al azar. No escribe nada.
  quor3-engine fairness PATH [--json] [--all]
      Prueba si los sorteos parecen dígitos al azar justos: cada posición,
      todas las posiciones, sumas de dígitos, patrones y repeticiones. No
      escribe nada.
      Con --all, backtest y fairness usan el historial completo.
  quor3-engine fetch PATH [--from ADDRESS] [--draw NAME]
      Obtiene el archivo de resultados de la fuente de PATH (http, https o
      un archivo local; --from indica y guarda la fuente) y agrega los
      sorteos más nuevos que el último guardado, cada uno como se agrega una
      entrada. Muestra una línea por sorteo agregado y sus aciertos, y luego
      &quot;se agregaron N sorteos nuevos&quot; o &quot;al día&quot;.
      Una base de datos llena se recorta (tras una copia de seguridad) como lo
      hace la ventana de agregar; los sorteos con fecha posterior a hoy se
      omiten, y un archivo cuyos sorteos no coinciden con la mayoría de los
      guardados en las fechas comunes (otro sorteo) se rechaza.
      Estado de salida 3 cuando los sorteos se guardan pero no se pudieron
      guardar las estadísticas o la fuente.
  quor3-engine fetch --all [FOLDER]
      Obtiene los resultados de cada base de datos de FOLDER (~/quor3box por
      omisión) que tenga una fuente de resultados.
  quor3-engine tickets PATH [list] [--json]
      Lista los boletos jugados en los sorteos de PATH, en el orden en que
      se agregaron, con su costo, los sorteos liquidados hasta ahora y lo
      que ganaron.
  quor3-engine tickets PATH add DATE NUMBER TYPE STAKE [--draws N] [--addon]
      Agrega un boleto: NUMBER (tres dígitos) jugado como TYPE (straight,
      box, straightbox, combo, frontpair, backpair) por STAKE (0.50, 1 a 5)
      por sorteo, en N sorteos consecutivos (1 por omisión, hasta 91) a
      partir de DATE (M/D/YYYY o YYYY-MM-DD). Los sorteos ya guardados lo
      liquidan de inmediato. --addon juega también el dígito adicional, por
      el doble de la apuesta.
  quor3-engine tickets PATH summary [--json]
      Gastado, ganado, el saldo y lo que devuelven las jugadas en promedio.
  quor3-engine tickets PATH remove ID
      Quita un boleto del que aún no se ha realizado ningún sorteo.
  quor3-engine tickets PATH export [FILE]
      Escribe los boletos como CSV
      (first_draw,draws,number,type,stake,cost,won) en FILE o en la salida.
  quor3-engine tickets PATH budget [AMOUNT | none]
      Muestra, fija o borra el presupuesto mensual para boletos.
  quor3-engine prizes PATH [set DATE KEY AMOUNT | remove DATE]
      Muestra las tablas de premios (premios por una jugada de $1) y la
      fecha desde la que rige cada una; set cambia un premio (KEY: straight,
      box3, box6, straightbox3exact, straightbox3any, straightbox6exact,
      straightbox6any, combo, frontpair, backpair; premios adicionales:
      addon-straight, addon-box3, addon-box6, addon-combo,
      addon-frontpair, addon-backpair) a partir de DATE (o
      &quot;earliest&quot;); remove quita la tabla que rige desde DATE. Los boletos se
      liquidan de nuevo.
  quor3-engine --help | --version

La carpeta de PATH contiene los archivos derivados; el nombre de la base de
datos es el nombre del archivo sin carpeta, recortado a 25 caracteres. Una
base de datos sin historial completo recibe uno en su primer uso, a partir
de su archivo y sus copias de seguridad; los boletos también se guardan en
el historial completo. Estado de salida: 0 si todo va bien, 1 si falla, 2
si el uso es incorrecto, 3 si un cambio se guardó pero no se pudieron
actualizar las estadísticas (Quor 3 las actualiza la próxima vez que abre
la base de datos).
</translation>
    </message>
    <message>
        <source>Add-on prizes from %1, for a $1 play:</source>
        <translation>Premios adicionales desde %1, por una jugada de $1:</translation>
    </message>
</context>
<context>
    <name>quor3::Error</name>
    <message>
        <source>read</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>write</source>
        <translation>escribir</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>restaurar</translation>
    </message>
    <message>
        <source>open</source>
        <translation>abrir</translation>
    </message>
    <message>
        <source>flush</source>
        <translation>guardar en el disco</translation>
    </message>
    <message>
        <source>use the backup folder</source>
        <translation>usar la carpeta de copias de seguridad</translation>
    </message>
    <message>
        <source>remove</source>
        <translation>borrar</translation>
    </message>
    <message>
        <source>open the full history</source>
        <translation>abrir el historial completo</translation>
    </message>
    <message>
        <source>move to the backup folder</source>
        <translation>mover a la carpeta de copias de seguridad</translation>
    </message>
    <message>
        <source>lock</source>
        <translation>bloquear</translation>
    </message>
    <message>
        <source>import</source>
        <translation>importar</translation>
    </message>
    <message>
        <source>create</source>
        <translation>crear</translation>
    </message>
    <message>
        <source>create the full history</source>
        <translation>crear el historial completo</translation>
    </message>
    <message>
        <source>create the backup folder</source>
        <translation>crear la carpeta de copias de seguridad</translation>
    </message>
    <message>
        <source>use</source>
        <translation>usar</translation>
    </message>
    <message>
        <source>undo the last entry of</source>
        <translation>deshacer la última entrada de</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>reemplazar</translation>
    </message>
    <message>
        <source>read the last draw of</source>
        <translation>leer el último sorteo de</translation>
    </message>
    <message>
        <source>import into</source>
        <translation>importar en</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is a symbolic link, which Quor 3 never writes through</source>
        <translation>es un enlace simbólico, y Quor 3 nunca escribe a través de uno</translation>
    </message>
    <message>
        <source>the file holds no such record</source>
        <translation>el archivo no tiene ese registro</translation>
    </message>
    <message>
        <source>the database has changed since that entry</source>
        <translation>la base de datos cambió después de esa entrada</translation>
    </message>
    <message>
        <source>it holds no draw</source>
        <translation>no contiene ningún sorteo</translation>
    </message>
    <message>
        <source>the database holds no draws</source>
        <translation>la base de datos no tiene sorteos</translation>
    </message>
    <message>
        <source>the file holds no draw that Quor 3 can read</source>
        <translation>el archivo no contiene ningún sorteo que Quor 3 pueda leer</translation>
    </message>
    <message>
        <source>too many backups within one second</source>
        <translation>demasiadas copias de seguridad en un segundo</translation>
    </message>
    <message>
        <source>the backup is not on the disk after it was written</source>
        <translation>la copia de seguridad no está en el disco después de escribirla</translation>
    </message>
    <message>
        <source>input/output error</source>
        <translation>error de entrada/salida</translation>
    </message>
    <message>
        <source>Cannot %1 &quot;%2&quot; in %3</source>
        <translation>No se puede %1 &quot;%2&quot; en %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; no es un número entero válido</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Fecha no válida</translation>
    </message>
    <message>
        <source>the file ends before line %1</source>
        <translation>el archivo termina antes de la línea %1</translation>
    </message>
    <message>
        <source>line %1 is not a number</source>
        <translation>la línea %1 no es un número</translation>
    </message>
    <message>
        <source>it is no backup of &quot;%1&quot;</source>
        <translation>no es una copia de seguridad de &quot;%1&quot;</translation>
    </message>
    <message>
        <source>it is not in the backup folder of &quot;%1&quot;</source>
        <translation>no está en la carpeta de copias de seguridad de &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>&quot;%1&quot; no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is shorter than %1 records</source>
        <translation>el archivo tiene menos de %1 registros</translation>
    </message>
    <message>
        <source>read record %1 of</source>
        <translation>leer el registro %1 de</translation>
    </message>
    <message>
        <source>write record %1 of</source>
        <translation>escribir el registro %1 de</translation>
    </message>
    <message>
        <source>database is locked</source>
        <translation>la base de datos está bloqueada</translation>
    </message>
    <message>
        <source>file is not a database</source>
        <translation>el archivo no es una base de datos</translation>
    </message>
    <message>
        <source>attempt to write a readonly database</source>
        <translation>intento de escribir en una base de datos de solo lectura</translation>
    </message>
    <message>
        <source>disk I/O error</source>
        <translation>error de entrada/salida del disco</translation>
    </message>
    <message>
        <source>database disk image is malformed</source>
        <translation>la imagen de la base de datos en el disco está dañada</translation>
    </message>
    <message>
        <source>unable to open database file</source>
        <translation>no se puede abrir el archivo de la base de datos</translation>
    </message>
    <message>
        <source>read the prize tables</source>
        <translation>leer las tablas de premios</translation>
    </message>
    <message>
        <source>read the budget</source>
        <translation>leer el presupuesto</translation>
    </message>
    <message>
        <source>change</source>
        <translation>cambiar</translation>
    </message>
    <message>
        <source>correct</source>
        <translation>corregir</translation>
    </message>
    <message>
        <source>add to</source>
        <translation>agregar a</translation>
    </message>
    <message>
        <source>delete a draw of</source>
        <translation>borrar un sorteo de</translation>
    </message>
    <message>
        <source>open for appending</source>
        <translation>abrir para agregar al final</translation>
    </message>
    <message>
        <source>export the draws to</source>
        <translation>exportar los sorteos a</translation>
    </message>
    <message>
        <source>read the full history</source>
        <translation>leer el historial completo</translation>
    </message>
    <message>
        <source>write the full history</source>
        <translation>escribir el historial completo</translation>
    </message>
    <message>
        <source>back up the full history</source>
        <translation>hacer una copia de seguridad del historial completo</translation>
    </message>
    <message>
        <source>bring the full history up to date</source>
        <translation>poner al día el historial completo</translation>
    </message>
    <message>
        <source>open the tickets</source>
        <translation>abrir los boletos</translation>
    </message>
    <message>
        <source>read the tickets</source>
        <translation>leer los boletos</translation>
    </message>
    <message>
        <source>write the tickets</source>
        <translation>escribir los boletos</translation>
    </message>
    <message>
        <source>settle the tickets</source>
        <translation>liquidar los boletos</translation>
    </message>
    <message>
        <source>write the tickets to</source>
        <translation>escribir los boletos en</translation>
    </message>
    <message>
        <source>add a ticket to</source>
        <translation>agregar un boleto a</translation>
    </message>
    <message>
        <source>remove a ticket from</source>
        <translation>quitar un boleto de</translation>
    </message>
    <message>
        <source>store the prize table in</source>
        <translation>guardar la tabla de premios en</translation>
    </message>
    <message>
        <source>remove the prize table from</source>
        <translation>quitar la tabla de premios de</translation>
    </message>
    <message>
        <source>store the monthly budget in</source>
        <translation>guardar el presupuesto mensual en</translation>
    </message>
    <message>
        <source>another Quor 3 is changing this database; try again</source>
        <translation>otro Quor 3 está cambiando esta base de datos; inténtelo de nuevo</translation>
    </message>
    <message>
        <source>another Quor 3 is changing this database; try again (the lock for reading was lost while waiting)</source>
        <translation>otro Quor 3 está cambiando esta base de datos; inténtelo de nuevo (se perdió el bloqueo de lectura durante la espera)</translation>
    </message>
    <message>
        <source>the file is a symbolic link, which Quor 3 never writes through</source>
        <translation>el archivo es un enlace simbólico, y Quor 3 nunca escribe a través de uno</translation>
    </message>
    <message>
        <source>the file is not a regular file</source>
        <translation>el archivo no es un archivo normal</translation>
    </message>
    <message>
        <source>it is a draw database, which a CSV file must never replace</source>
        <translation>es una base de datos de sorteos, y un archivo CSV nunca debe reemplazarla</translation>
    </message>
    <message>
        <source>Quor 3 keeps its own statistics in a file of that name</source>
        <translation>Quor 3 guarda sus propias estadísticas en un archivo con ese nombre</translation>
    </message>
    <message>
        <source>Quor 3 keeps its own statistics in a file of that name; choose another name for the database</source>
        <translation>Quor 3 guarda sus propias estadísticas en un archivo con ese nombre; elija otro nombre para la base de datos</translation>
    </message>
    <message>
        <source>it is in a backup folder, which holds copies of databases only</source>
        <translation>está en una carpeta de copias de seguridad, que solo guarda copias de bases de datos</translation>
    </message>
    <message>
        <source>it is not a Quor 3 history (another program&apos;s file); it is left as it is</source>
        <translation>no es un historial de Quor 3 (es un archivo de otro programa); se deja como está</translation>
    </message>
    <message>
        <source>its layout version is missing; it is left as it is</source>
        <translation>le falta la versión de su estructura; se deja como está</translation>
    </message>
    <message>
        <source>the history could not be brought up to date (is it read-only?)</source>
        <translation>no se pudo poner al día el historial (¿es de solo lectura?)</translation>
    </message>
    <message>
        <source>its first day is not a date</source>
        <translation>su primer día no es una fecha</translation>
    </message>
    <message>
        <source>the table in force from the earliest date can be changed, not removed</source>
        <translation>la tabla vigente desde la fecha más antigua se puede cambiar, no quitar</translation>
    </message>
    <message>
        <source>it is the database&apos;s full history</source>
        <translation>es el historial completo de la base de datos</translation>
    </message>
    <message>
        <source>it is larger than 200 MB, far more than any results file holds</source>
        <translation>ocupa más de 200 MB, mucho más que cualquier archivo de resultados</translation>
    </message>
    <message>
        <source>it was written by a newer version of Quor 3 (layout %1)</source>
        <translation>lo escribió una versión más nueva de Quor 3 (estructura %1)</translation>
    </message>
    <message>
        <source>Cannot %1 &quot;%2&quot; in %3: it has changed since it was read, and its record %4 is no longer %5</source>
        <translation>No se puede %1 &quot;%2&quot; en %3: cambió desde que se leyó, y su registro %4 ya no es %5</translation>
    </message>
    <message>
        <source>ticket %1 is damaged; it is left as it is</source>
        <translation>el boleto %1 está dañado; se deja como está</translation>
    </message>
    <message>
        <source>the %1 prize must be from $0 to %2</source>
        <translation>el premio %1 debe ser de $0 a %2</translation>
    </message>
    <message>
        <source>no table is in force from %1</source>
        <translation>ninguna tabla está vigente desde el %1</translation>
    </message>
    <message>
        <source>there is no ticket %1</source>
        <translation>no existe el boleto %1</translation>
    </message>
    <message>
        <source>a budget must be more than $0 and at most %1</source>
        <translation>un presupuesto debe ser de más de $0 y como máximo %1</translation>
    </message>
    <message>
        <source>another Quor 3 is changing it; try again</source>
        <translation>otro Quor 3 lo está cambiando; inténtelo de nuevo</translation>
    </message>
    <message>
        <source>a value holds a control character (a line break or the like)</source>
        <translation>un valor contiene un carácter de control (un salto de línea o similar)</translation>
    </message>
    <message>
        <source>it is damaged (%1); &quot;quor3-engine history %2 --start-over&quot; keeps what can still be read in a new one</source>
        <translation>está dañado (%1); &quot;quor3-engine history %2 --start-over&quot; conserva en uno nuevo lo que aún se pueda leer</translation>
    </message>
</context>
<context>
    <name>quor3::Fairness</name>
    <message>
        <source>Digits in the first position</source>
        <translation>Dígitos en la primera posición</translation>
    </message>
    <message>
        <source>Digits in the second position</source>
        <translation>Dígitos en la segunda posición</translation>
    </message>
    <message>
        <source>Digits in the third position</source>
        <translation>Dígitos en la tercera posición</translation>
    </message>
    <message>
        <source>Digits in all positions</source>
        <translation>Dígitos en todas las posiciones</translation>
    </message>
    <message>
        <source>Digit sums</source>
        <translation>Sumas de dígitos</translation>
    </message>
    <message>
        <source>All different, one pair, triple</source>
        <translation>Todos distintos, un par, triple</translation>
    </message>
    <message>
        <source>Repeats of the draw before</source>
        <translation>Repeticiones del sorteo anterior</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>One test</source>
        <translation>Una prueba</translation>
    </message>
    <message>
        <source>All %1 tests</source>
        <translation>Las %1 pruebas</translation>
    </message>
    <message>
        <source>%1 of the %2 tests</source>
        <translation>%1 de las %2 pruebas</translation>
    </message>
    <message>
        <source>There are no draws with digits 0 to 9 to test.</source>
        <translation>No hay sorteos con dígitos del 0 al 9 que probar.</translation>
    </message>
    <message>
        <source>None of the %1 tests found anything unusual: the draws look like fair random digits.</source>
        <translation>Ninguna de las %1 pruebas encontró nada fuera de lo común: los sorteos parecen dígitos al azar justos.</translation>
    </message>
    <message>
        <source>%1 (%2) gave a p-value below 0.05. With %3 tests, one p-value below 0.05 turns up by luck about %4 times in 10, even with fair draws, so this is no sign of an unfair draw; a test would need a p-value below %5 to stand out.</source>
        <translation>%1 (%2) dio un valor p menor que 0.05. Con %3 pruebas, un valor p menor que 0.05 aparece por suerte unas %4 veces de cada 10, aun con sorteos justos, así que no es señal de un sorteo injusto; una prueba necesitaría un valor p menor que %5 para destacar.</translation>
    </message>
    <message>
        <source>%1 (%2) gave a p-value below %3, small even after allowing for %4 tests. Check the database for typing mistakes first; if the entries are right, the draws may not be fair random digits.</source>
        <translation>%1 (%2) dio un valor p menor que %3, pequeño aun teniendo en cuenta que hubo %4 pruebas. Revise primero si la base de datos tiene errores de tecleo; si las entradas son correctas, puede que los sorteos no sean dígitos al azar justos.</translation>
    </message>
    <message>
        <source> With only %1 draw, these tests can miss even large departures from fair digits.</source>
        <translation> Con solo %1 sorteo, estas pruebas pueden pasar por alto incluso desviaciones grandes de dígitos justos.</translation>
    </message>
    <message>
        <source> With only %1 draws, these tests can miss even large departures from fair digits.</source>
        <translation> Con solo %1 sorteos, estas pruebas pueden pasar por alto incluso desviaciones grandes de dígitos justos.</translation>
    </message>
    <message>
        <source> %1 draw was left out for a digit outside 0 to 9.</source>
        <translation> Se excluyó %1 sorteo por un dígito fuera de 0 a 9.</translation>
    </message>
    <message>
        <source> %1 draws were left out for a digit outside 0 to 9.</source>
        <translation> Se excluyeron %1 sorteos por un dígito fuera de 0 a 9.</translation>
    </message>
    <message>
        <source>Fairness check of %1: %2 draws tested, %3 skipped</source>
        <translation>Prueba de equidad de %1: %2 sorteos probados, %3 omitidos</translation>
    </message>
    <message>
        <source>test</source>
        <translation>prueba</translation>
    </message>
    <message>
        <source>statistic</source>
        <translation>valor</translation>
    </message>
    <message>
        <source>df</source>
        <translation>gl</translation>
    </message>
</context>
<context>
    <name>quor3::Fetch</name>
    <message>
        <source>Cannot fetch &quot;%1&quot;: %2</source>
        <translation>No se puede obtener &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>no address is set</source>
        <translation>no hay ninguna dirección</translation>
    </message>
    <message>
        <source>only http, https and local files can be fetched</source>
        <translation>solo se pueden obtener direcciones http, https y archivos locales</translation>
    </message>
    <message>
        <source>the download library could not start</source>
        <translation>la biblioteca de descargas no pudo iniciarse</translation>
    </message>
    <message>
        <source>it holds no draw that Quor 3 can read (has its layout changed?)</source>
        <translation>no contiene ningún sorteo que Quor 3 pueda leer (¿cambió su formato?)</translation>
    </message>
    <message>
        <source>it holds no draw named &quot;%1&quot; (has its layout changed?)</source>
        <translation>no contiene ningún sorteo llamado &quot;%1&quot; (¿cambió su formato?)</translation>
    </message>
    <message>
        <source>Cannot use the results from &quot;%1&quot;: %2</source>
        <translation>No se pueden usar los resultados de &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>%1 has no results source: set one with File &gt; Results Source... or --from.</source>
        <translation>%1 no tiene fuente de resultados: indique una con Archivo &gt; Fuente de resultados... o --from.</translation>
    </message>
    <message>
        <source>up to date</source>
        <translation>al día</translation>
    </message>
    <message>
        <source>%1 new draw added</source>
        <translation>se agregó %1 sorteo nuevo</translation>
    </message>
    <message>
        <source>%1 new draws added</source>
        <translation>se agregaron %1 sorteos nuevos</translation>
    </message>
    <message>
        <source>the file is larger than %1</source>
        <translation>el archivo ocupa más de %1</translation>
    </message>
    <message>
        <source>the name was not found (%1)</source>
        <translation>no se encontró el nombre (%1)</translation>
    </message>
    <message>
        <source>the connection was refused or the network is down (%1)</source>
        <translation>se rechazó la conexión o la red no funciona (%1)</translation>
    </message>
    <message>
        <source>no complete answer in time (%1)</source>
        <translation>no llegó una respuesta completa a tiempo (%1)</translation>
    </message>
    <message>
        <source>the connection ended before the whole file arrived (%1)</source>
        <translation>la conexión terminó antes de que llegara el archivo completo (%1)</translation>
    </message>
    <message>
        <source>it leads to an address that is not http or https (%1)</source>
        <translation>lleva a una dirección que no es http ni https (%1)</translation>
    </message>
    <message>
        <source>more than %1 redirects</source>
        <translation>más de %1 redirecciones</translation>
    </message>
    <message>
        <source>the secure connection failed: the server&apos;s certificate is not trusted or not valid (%1)</source>
        <translation>falló la conexión segura: el certificado del servidor no es de confianza o no es válido (%1)</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>el servidor respondió %1</translation>
    </message>
    <message>
        <source>Added %1: %2</source>
        <translation>Agregado %1: %2</translation>
    </message>
    <message>
        <source>conflict on %1: stored %2, the results file has %3; the stored draw is kept</source>
        <translation>conflicto el %1: guardado %2, el archivo de resultados tiene %3; se conserva el sorteo guardado</translation>
    </message>
    <message>
        <source>The database was full: it keeps its newest %1 draws and the new ones; every draw stays in its full history. The older draws are kept in %2/%3.</source>
        <translation>La base de datos estaba llena: conserva sus %1 sorteos más recientes y los nuevos; todos los sorteos quedan en su historial completo. Los sorteos anteriores se guardan en %2/%3.</translation>
    </message>
    <message>
        <source>Skipped line %1: %2: %3</source>
        <translation>Línea omitida %1: %2: %3</translation>
    </message>
    <message>
        <source>%1 older draw of the results file is missing from the full history: File &gt; Import can merge it</source>
        <translation>falta en el historial completo %1 sorteo anterior del archivo de resultados: Archivo &gt; Importar puede combinarlo</translation>
    </message>
    <message>
        <source>%1 older draws of the results file are missing from the full history: File &gt; Import can merge them</source>
        <translation>faltan en el historial completo %1 sorteos anteriores del archivo de resultados: Archivo &gt; Importar puede combinarlos</translation>
    </message>
    <message>
        <source>%1 older draw of the results file is not in the database but is kept in its full history</source>
        <translation>%1 sorteo anterior del archivo de resultados no está en la base de datos, pero se conserva en su historial completo</translation>
    </message>
    <message>
        <source>%1 older draws of the results file are not in the database but are kept in its full history</source>
        <translation>%1 sorteos anteriores del archivo de resultados no están en la base de datos, pero se conservan en su historial completo</translation>
    </message>
    <message>
        <source>The draws are stored, but the results source could not be saved: %1</source>
        <translation>Los sorteos están guardados, pero no se pudo guardar la fuente de resultados: %1</translation>
    </message>
    <message>
        <source>Added %1: %2, add-on %3</source>
        <translation>Agregado %1: %2, adicional %3</translation>
    </message>
</context>
<context>
    <name>quor3::GameImport</name>
    <message>
        <source>The files hold no draw that Quor 3 can read; nothing changed.</source>
        <translation>Los archivos no tienen ningún sorteo que Quor 3 pueda leer; no se cambió nada.</translation>
    </message>
    <message>
        <source>The draws &quot;%1&quot; and &quot;%2&quot; would share the database %3; nothing changed. Import them one at a time with --draw.</source>
        <translation>Los sorteos &quot;%1&quot; y &quot;%2&quot; compartirían la base de datos %3; no se cambió nada. Impórtelos de uno en uno con --draw.</translation>
    </message>
</context>
<context>
    <name>quor3::History</name>
    <message>
        <source>an entry</source>
        <translation>un número ingresado</translation>
    </message>
    <message>
        <source>a correction</source>
        <translation>una corrección</translation>
    </message>
    <message>
        <source>a deletion</source>
        <translation>un borrado</translation>
    </message>
    <message>
        <source>an undo</source>
        <translation>deshacer</translation>
    </message>
    <message>
        <source>the backup %1</source>
        <translation>la copia de seguridad %1</translation>
    </message>
    <message>
        <source>an import</source>
        <translation>una importación</translation>
    </message>
    <message>
        <source>the file %1</source>
        <translation>el archivo %1</translation>
    </message>
    <message>
        <source>the address %1</source>
        <translation>la dirección %1</translation>
    </message>
    <message>
        <source>the history started over</source>
        <translation>el historial empezado de nuevo</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
</context>
<context>
    <name>quor3::Import</name>
    <message>
        <source>Nothing changed: the database already holds these draws.</source>
        <translation>No cambió nada: la base de datos ya tiene estos sorteos.</translation>
    </message>
    <message>
        <source>The database now holds %1 draw, %2 of them from the file.</source>
        <translation>La base de datos tiene ahora %1 sorteo, %2 de ellos del archivo.</translation>
    </message>
    <message>
        <source>The database now holds %1 draws, %2 of them from the file.</source>
        <translation>La base de datos tiene ahora %1 sorteos, %2 de ellos del archivo.</translation>
    </message>
    <message>
        <source> %1 draw of the file was already stored and skipped.</source>
        <translation> %1 sorteo del archivo ya estaba guardado y se omitió.</translation>
    </message>
    <message>
        <source> %1 draws of the file were already stored and skipped.</source>
        <translation> %1 sorteos del archivo ya estaban guardados y se omitieron.</translation>
    </message>
    <message>
        <source> %1 draw repeated in the file was counted once.</source>
        <translation> %1 sorteo repetido en el archivo se contó una vez.</translation>
    </message>
    <message>
        <source> %1 draws repeated in the file were counted once.</source>
        <translation> %1 sorteos repetidos en el archivo se contaron una vez.</translation>
    </message>
    <message>
        <source> The database as it was is kept in %1.</source>
        <translation> La base de datos tal como estaba se guarda en %1.</translation>
    </message>
    <message>
        <source>month, day and year in three fields</source>
        <translation>mes, día y año en tres campos</translation>
    </message>
    <message>
        <source>digits in three fields</source>
        <translation>dígitos en tres campos</translation>
    </message>
    <message>
        <source>digits in one field, as 451</source>
        <translation>dígitos en un campo, como 451</translation>
    </message>
    <message>
        <source>digits in one field, as 4-5-1</source>
        <translation>dígitos en un campo, como 4-5-1</translation>
    </message>
    <message>
        <source>digits in one field, as 4 5 1</source>
        <translation>dígitos en un campo, como 4 5 1</translation>
    </message>
    <message>
        <source>digits in one field, as &quot;4,5,1&quot;</source>
        <translation>dígitos en un campo, como &quot;4,5,1&quot;</translation>
    </message>
    <message>
        <source>tab-separated</source>
        <translation>separado por tabuladores</translation>
    </message>
    <message>
        <source>semicolon-separated</source>
        <translation>separado por punto y coma</translation>
    </message>
    <message>
        <source>comma-separated</source>
        <translation>separado por comas</translation>
    </message>
    <message>
        <source>separated by blanks</source>
        <translation>separado por espacios</translation>
    </message>
    <message>
        <source>no date found</source>
        <translation>no se encontró ninguna fecha</translation>
    </message>
    <message>
        <source>impossible date &quot;%1&quot;</source>
        <translation>fecha imposible &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no three digits 0 to 9 after the date</source>
        <translation>no hay tres dígitos del 0 al 9 después de la fecha</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has more than three digits</source>
        <translation>&quot;%1&quot; tiene más de tres dígitos</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the column &quot;%2&quot; has more than three digits</source>
        <translation>&quot;%1&quot; en la columna &quot;%2&quot; tiene más de tres dígitos</translation>
    </message>
    <message>
        <source>no three digits 0 to 9 in the column &quot;%1&quot;</source>
        <translation>no hay tres dígitos del 0 al 9 en la columna &quot;%1&quot;</translation>
    </message>
    <message>
        <source>JSON records</source>
        <translation>registros JSON</translation>
    </message>
    <message>
        <source>, quoted fields</source>
        <translation>, campos entre comillas</translation>
    </message>
    <message>
        <source>, a header line</source>
        <translation>, con línea de encabezado</translation>
    </message>
    <message>
        <source>, no header line</source>
        <translation>, sin línea de encabezado</translation>
    </message>
    <message>
        <source>, one column per draw</source>
        <translation>, una columna por sorteo</translation>
    </message>
    <message>
        <source>, dates as %1</source>
        <translation>, fechas como %1</translation>
    </message>
    <message>
        <source>, newest first</source>
        <translation>, los más recientes primero</translation>
    </message>
    <message>
        <source>, oldest first</source>
        <translation>, los más antiguos primero</translation>
    </message>
    <message>
        <source>, one draw: </source>
        <translation>, un sorteo: </translation>
    </message>
    <message>
        <source>, draws named </source>
        <translation>, sorteos llamados </translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>; a %1 column, left aside</source>
        <translation>; una columna %1, dejada de lado</translation>
    </message>
    <message>
        <source>; the %1 columns, left aside</source>
        <translation>; las columnas %1, dejadas de lado</translation>
    </message>
    <message>
        <source>Cannot import these results: %1.</source>
        <translation>No se pueden importar estos resultados: %1.</translation>
    </message>
    <message>
        <source>The file holds several draws (%1): choose one.</source>
        <translation>El archivo contiene varios sorteos (%1): elija uno.</translation>
    </message>
    <message>
        <source>The file holds no draw named &quot;%1&quot;; it holds %2.</source>
        <translation>El archivo no contiene ningún sorteo llamado &quot;%1&quot;; contiene %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names several draws of the file (%2): choose one.</source>
        <translation>&quot;%1&quot; nombra varios sorteos del archivo (%2): elija uno.</translation>
    </message>
    <message>
        <source> %1 draw older than the newest %2 is kept in the full history only: the database holds at most %2 draws.</source>
        <translation> %1 sorteo anterior a los %2 más recientes se conserva solo en el historial completo: la base de datos contiene como máximo %2 sorteos.</translation>
    </message>
    <message>
        <source> %1 draws older than the newest %2 are kept in the full history only: the database holds at most %2 draws.</source>
        <translation> %1 sorteos anteriores a los %2 más recientes se conservan solo en el historial completo: la base de datos contiene como máximo %2 sorteos.</translation>
    </message>
    <message>
        <source> %1 draw dated after today was skipped.</source>
        <translation> Se omitió %1 sorteo con fecha posterior a hoy.</translation>
    </message>
    <message>
        <source> %1 draws dated after today were skipped.</source>
        <translation> Se omitieron %1 sorteos con fecha posterior a hoy.</translation>
    </message>
    <message>
        <source> On %1 the database has %2, the file %3.</source>
        <translation> El %1 la base de datos tiene %2, el archivo %3.</translation>
    </message>
    <message>
        <source>The file&apos;s draws agree with the database on only %1 of the %2 dates they share, so they are not the draw the database holds.%3 Choose another draw of the file (Midday, Evening, ...); nothing was stored.</source>
        <translation>Los sorteos del archivo coinciden con la base de datos solo en %1 de las %2 fechas que comparten, así que no son el sorteo que contiene la base de datos.%3 Elija otro sorteo del archivo (Midday, Evening, ...); no se guardó nada.</translation>
    </message>
    <message>
        <source>dated after today</source>
        <translation>con fecha posterior a hoy</translation>
    </message>
    <message>
        <source>%1 %2 (was %3)</source>
        <translation>%1 %2 (era %3)</translation>
    </message>
    <message>
        <source>The database already holds these draws.</source>
        <translation>La base de datos ya tiene estos sorteos.</translation>
    </message>
    <message>
        <source> %1 date of the full history was corrected: %2.</source>
        <translation> Se corrigió %1 fecha del historial completo: %2.</translation>
    </message>
    <message>
        <source> %1 dates of the full history were corrected: %2.</source>
        <translation> Se corrigieron %1 fechas del historial completo: %2.</translation>
    </message>
</context>
<context>
    <name>quor3::Money</name>
    <message>
        <source>,</source>
        <translation>.</translation>
    </message>
    <message>
        <source>.</source>
        <translation>,</translation>
    </message>
</context>
<context>
    <name>quor3::Odds</name>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>1 in %1</source>
        <translation>1 en %1</translation>
    </message>
</context>
<context>
    <name>quor3::Status</name>
    <message>
        <source>Total Draws: </source>
        <translation>Total de sorteos: </translation>
    </message>
    <message>
        <source>Last Draw Date: </source>
        <translation>Último sorteo: </translation>
    </message>
    <message>
        <source>Hottest Number: </source>
        <translation>Más caliente: </translation>
    </message>
    <message>
        <source>Coldest Number: </source>
        <translation>Más frío: </translation>
    </message>
    <message>
        <source>The change is stored, but the statistics could not be updated: %1. Quor 3 updates them the next time it opens the database.</source>
        <translation>El cambio está guardado, pero no se pudieron actualizar las estadísticas: %1. Quor 3 las actualiza la próxima vez que abra la base de datos.</translation>
    </message>
</context>
<context>
    <name>quor3::Tickets</name>
    <message>
        <source>Straight</source>
        <translation>Exacta</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Combinada</translation>
    </message>
    <message>
        <source>Straight/Box</source>
        <translation>Exacta/Combinada</translation>
    </message>
    <message>
        <source>Combo</source>
        <translation>Combo</translation>
    </message>
    <message>
        <source>Front Pair</source>
        <translation>Par delantero</translation>
    </message>
    <message>
        <source>Back Pair</source>
        <translation>Par trasero</translation>
    </message>
    <message>
        <source>Box 3-way</source>
        <translation>Combinada de 3</translation>
    </message>
    <message>
        <source>Box 6-way</source>
        <translation>Combinada de 6</translation>
    </message>
    <message>
        <source>Straight/Box 3-way exact order</source>
        <translation>Exacta/Combinada de 3, orden exacto</translation>
    </message>
    <message>
        <source>Straight/Box 3-way any other order</source>
        <translation>Exacta/Combinada de 3, otro orden</translation>
    </message>
    <message>
        <source>Straight/Box 6-way exact order</source>
        <translation>Exacta/Combinada de 6, orden exacto</translation>
    </message>
    <message>
        <source>Straight/Box 6-way any other order</source>
        <translation>Exacta/Combinada de 6, otro orden</translation>
    </message>
    <message>
        <source>Your ticket %1 %2 won %3</source>
        <translation>Su boleto %1 %2 ganó %3</translation>
    </message>
    <message>
        <source>%1 %2-way</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>The number must be three digits from 0 to 9.</source>
        <translation>El número debe tener tres dígitos del 0 al 9.</translation>
    </message>
    <message>
        <source>A triple (%1) cannot be boxed: its digits make one order only.</source>
        <translation>Un triple (%1) no se puede jugar combinado: sus dígitos forman un solo orden.</translation>
    </message>
    <message>
        <source>A Straight/Box stake is at least $1, in steps of $1, up to $5.</source>
        <translation>Una apuesta Exacta/Combinada es de al menos $1, en pasos de $1, hasta $5.</translation>
    </message>
    <message>
        <source>The stake must be 50 cents or a whole number of dollars up to $5.</source>
        <translation>El monto debe ser de 50 centavos o un número entero de dólares hasta $5.</translation>
    </message>
    <message>
        <source>A ticket covers 1 to %1 consecutive draws.</source>
        <translation>Un boleto abarca de 1 a %1 sorteos consecutivos.</translation>
    </message>
    <message>
        <source>The first draw date is not a date.</source>
        <translation>La fecha del primer sorteo no es una fecha.</translation>
    </message>
    <message>
        <source>Waiting for its draw</source>
        <translation>En espera de su sorteo</translation>
    </message>
    <message>
        <source>Waiting for its draws</source>
        <translation>En espera de sus sorteos</translation>
    </message>
    <message>
        <source>%1 of %2 draws, won %3 so far</source>
        <translation>%1 de %2 sorteos, ganó %3 hasta ahora</translation>
    </message>
    <message>
        <source>%1 of %2 draws, no win so far</source>
        <translation>%1 de %2 sorteos, sin premio hasta ahora</translation>
    </message>
    <message>
        <source>Won %1</source>
        <translation>Ganó %1</translation>
    </message>
    <message>
        <source>No win</source>
        <translation>Sin premio</translation>
    </message>
    <message>
        <source>even</source>
        <translation>sin pérdida ni ganancia</translation>
    </message>
    <message>
        <source>loss %1</source>
        <translation>pérdida de %1</translation>
    </message>
    <message>
        <source>gain %1</source>
        <translation>ganancia de %1</translation>
    </message>
    <message>
        <source>On average these plays would have paid back %1; they paid %2.</source>
        <translation>En promedio, estas jugadas habrían devuelto %1; pagaron %2.</translation>
    </message>
    <message>
        <source>%1 play at $1 would have cost %2 and paid back %3.</source>
        <translation>%1 jugada de $1 habría costado %2 y devuelto %3.</translation>
    </message>
    <message>
        <source>%1 plays at $1 would have cost %2 and paid back %3.</source>
        <translation>%1 jugadas de $1 habrían costado %2 y devuelto %3.</translation>
    </message>
    <message>
        <source>ticket %1 is settled for %2 draw already drawn; a settled ticket stays in the record</source>
        <translation>el boleto %1 ya está liquidado para %2 sorteo realizado; un boleto liquidado queda en el registro</translation>
    </message>
    <message>
        <source>ticket %1 is settled for %2 draws already drawn; a settled ticket stays in the record</source>
        <translation>el boleto %1 ya está liquidado para %2 sorteos realizados; un boleto liquidado queda en el registro</translation>
    </message>
    <message>
        <source>there is no ticket %1</source>
        <translation>no existe el boleto %1</translation>
    </message>
    <message>
        <source>Add-on Straight</source>
        <translation>Adicional exacta</translation>
    </message>
    <message>
        <source>Add-on Box 3-way</source>
        <translation>Adicional combinada de 3</translation>
    </message>
    <message>
        <source>Add-on Box 6-way</source>
        <translation>Adicional combinada de 6</translation>
    </message>
    <message>
        <source>Add-on Combo</source>
        <translation>Adicional combo</translation>
    </message>
    <message>
        <source>Add-on Front Pair</source>
        <translation>Adicional par delantero</translation>
    </message>
    <message>
        <source>Add-on Back Pair</source>
        <translation>Adicional par trasero</translation>
    </message>
</context>
<context>
    <name>quor3::Wheel</name>
    <message>
        <source>sum %1</source>
        <translation>suma %1</translation>
    </message>
    <message>
        <source>root sum %1</source>
        <translation>raíz de la suma %1</translation>
    </message>
    <message>
        <source>spread %1</source>
        <translation>dispersión %1</translation>
    </message>
    <message>
        <source>odd digits %1</source>
        <translation>dígitos impares %1</translation>
    </message>
    <message>
        <source>high digits %1</source>
        <translation>dígitos altos %1</translation>
    </message>
    <message>
        <source>no singles</source>
        <translation>sin simples</translation>
    </message>
    <message>
        <source>no doubles</source>
        <translation>sin dobles</translation>
    </message>
    <message>
        <source>no triples</source>
        <translation>sin triples</translation>
    </message>
    <message>
        <source>holds %1</source>
        <translation>contiene %1</translation>
    </message>
    <message>
        <source>holds none of %1</source>
        <translation>no contiene ninguno de %1</translation>
    </message>
    <message>
        <source>a digit of the last draw</source>
        <translation>un dígito del último sorteo</translation>
    </message>
    <message>
        <source>Full box</source>
        <translation>Combinada completa</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Combinada</translation>
    </message>
    <message>
        <source>Key box</source>
        <translation>Combinada con clave</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Exacta</translation>
    </message>
    <message>
        <source>Full straight</source>
        <translation>Exacta completa</translation>
    </message>
    <message>
        <source>Choose the digits to wheel.</source>
        <translation>Elija los dígitos de la rueda.</translation>
    </message>
    <message>
        <source>Each digit of a wheel is 0 to 9.</source>
        <translation>Cada dígito de una rueda va del 0 al 9.</translation>
    </message>
    <message>
        <source>A key box wheel needs a key digit.</source>
        <translation>Una rueda combinada con clave necesita un dígito clave.</translation>
    </message>
    <message>
        <source>A wheel is played straight or box.</source>
        <translation>Una rueda se juega exacta o combinada.</translation>
    </message>
    <message>
        <source>Play a wheel on 1 to 100,000 draws.</source>
        <translation>Juegue una rueda en 1 a 100.000 sorteos.</translation>
    </message>
</context>
<context>
    <name>quor3::Winners</name>
    <message>
        <source>Hot Category: </source>
        <translation>Categoría caliente: </translation>
    </message>
    <message>
        <source>Cold Category: </source>
        <translation>Categoría fría: </translation>
    </message>
    <message>
        <source>Warm Category: </source>
        <translation>Categoría tibia: </translation>
    </message>
    <message>
        <source>Odd/Even Category: </source>
        <translation>Categoría impar/par: </translation>
    </message>
    <message>
        <source>Ordinal Category: </source>
        <translation>Categoría ordinal: </translation>
    </message>
    <message>
        <source>Pairs Category: </source>
        <translation>Categoría de pares: </translation>
    </message>
    <message>
        <source>% Repeats Category: </source>
        <translation>Categoría de % de repeticiones: </translation>
    </message>
    <message>
        <source>W I N N E R</source>
        <translation>G A N A D O R</translation>
    </message>
</context>
</TS>
