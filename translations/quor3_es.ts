<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quor 3   v%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics and suggested plays for the daily three-digit game.
Every draw is independent: no list of plays improves the odds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help &gt; Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddDrawsWindow</name>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Winning Entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enter Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notify me if an entry matches one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of the Computer Choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This database holds %1 draws, its limit. Storing this draw keeps the newest %2 in it for the reports; every draw stays in the full history (%3 draws) and in a backup. Store it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No database is open: open or name one first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is after today. Store it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Draws: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Draw Date: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BacktestWindow</name>
    <message>
        <source>How Did the Choices Do?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odd/even &amp;seed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The odd/even list has random digits; this number fixes them, so that a run can be repeated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recalculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By chance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>95% range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p-value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact order (by chance)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches so far, and what plays picked at random would score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: testing %2 draws against the choices made the day before each...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backtest could not be finished: not enough memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No database is open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: each draw from the second on is compared with the 33 Computer Choices made the day before it, and with as many plays picked at random. %2 draws tested.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches of the choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays picked at random, on average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>95% range of random plays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draws tested</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartWindows</name>
    <message>
        <source>load the chart windows from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no chart windows in it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>only one database can be opened, not also %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: quor3 [FILE.c3d]
  Starts Quor 3 with the draw database FILE.c3d open (asking before it
  creates a new one); without FILE, with the database of the last run
  when &quot;Reopen Last&quot; in quor3.ini is 1 (the default).
  quor3 --version    prints the version
  quor3 --help       prints this text
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ComputerChoicesWindow</name>
    <message>
        <source>Hot Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warm Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odd/Even Picks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinal Picks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pairs Picks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percentage Repeats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quor 3 - Computer Choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer Choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pct. Repeats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CorrectionsWindow</name>
    <message>
        <source>Next, make your changes to the entry and draw date as necessary. Click Re-Enter when complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct It!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First, select an entry in the database:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Re-Enter </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was changed by another program; the list was read again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The picked entry is gone: pick one again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has changed since this window listed its draws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the entry %1 of %2 is no longer where the list showed it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. Nothing was written; the list now shows the database as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the entry %1 of %2 from %3?
The database as it is now is kept as a backup first.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeleteFileDialog</name>
    <message>
        <source>Delete Data File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filename: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change to folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have chosen to delete this database file:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you wish to proceed?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DrawListWindow</name>
    <message>
        <source>Winning Lotto Entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: %1 of %2 draws; the rest are in the full history</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportDraws</name>
    <message>
        <source>Export Draws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> draws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the full history (%1)?

No exports the working database (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no draws to export: %1 holds none yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV file (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported %1 %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FairnessWindow</name>
    <message>
        <source>Fairness Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degrees of freedom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p-value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digit counts &amp;of:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No database is open. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 draws tested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 left out for a digit outside 0 to 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. A p-value is the chance that fair draws would stray this far from the expected counts, or further.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 repeats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 comparisons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How often each digit came up: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fair draws, on average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draws</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HotColdWindow</name>
    <message>
        <source>Hot/Cold Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>90 Days Max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportWindow</name>
    <message>
        <source>Import Draws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose &amp;File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a results file, or paste its lines below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Merge with the stored draws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace the stored draws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cance&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First and last draws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The results pasted below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a Results File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results files (*.csv *.txt *.tsv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1 was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (the box shows its first part; the whole file is read)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layout: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped lines: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No draws yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing usable: no line holds a date and three digits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, from %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1 lines of other draws are left aside.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1 repeated in the file %2 counted once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> A database holds at most %1 draws: the newest are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No database is open: open or name one first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing usable: no line holds a date and three digits. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the draws stored in %1 with the %2 of the file?
The database as it is now is kept as a backup.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total Draws:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Draw Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hottest Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coldest Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Draws: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Draw Date: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hottest Number: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coldest Number: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
This file does not exist.
Create the file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Quor 3 keeps its own statistics in a file of that name.
Choose another name for the database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Todays Date: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Draws...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results &amp;Source...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Get New Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Draws...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore Backup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Database...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Draw...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo &amp;Last Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;nalysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Graph Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Odd/Even Ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Percentage Repeats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hot/Cold Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sums Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ets Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fairness Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Skip/Trace Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ordinal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;DataBase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Display </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Computer Choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;How Did the Choices Do?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quor3 Web Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Quor 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open/Create a Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quor3 Data File (.c3d) (*.c3d)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder, not a draw database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best Bet: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OddEvenWindow</name>
    <message>
        <source>Odd / Even </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Total Odd / Even Numbers Drawn: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Percentage (all drawings): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odd / Even Ratio (all drawings): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odd / Even Ratio (last 5 days): </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OrdinalWindow</name>
    <message>
        <source>Ordinal Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number has been drawn 1st, 2nd, 3rd.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PairsWindow</name>
    <message>
        <source>Pairs Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First, find a number across the top: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then, look down the column at the number of times it has been paired with other numbers.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrinterTextStream</name>
    <message>
        <source>the printer did not accept the print job</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start a new page on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>finish the print job on</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unexpected error stopped the command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quor 3 Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program on this desktop could open the page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a web address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error ExploreWeb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RepeatsWindow</name>
    <message>
        <source>% Repeats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% of Repeats: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is shorter than one record</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RestoreBackupWindow</name>
    <message>
        <source>Restore Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no backups of %1 yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups of %1, newest first. Quor 3 takes one before anything changes or removes the database, and keeps the newest %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the backup taken %1 (%2 %3, the last of %4) in the place of %5?
The database as it is now is kept as a backup first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restored the backup taken %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The database as it was is kept in %1/%2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsFetch</name>
    <message>
        <source>Get New Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No results source is set for </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.
File &gt; Results Source... sets the address of the results file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting new results from </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (Esc cancels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting new results from %1: %2 KB%3 (Esc cancels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> of %1 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get New Results failed; nothing was added.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsSourceWindow</name>
    <message>
        <source>Results Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Address of the results file (https://, http://, or a file on this computer):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Try</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try the address to see the draws it holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Newest draws in the file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check for new results when this database opens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a Results File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results files (*.csv *.txt *.tsv *.json);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the address of the results file first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> holds no draw that Quor 3 can read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 draws found. Layout: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchWindow</name>
    <message>
        <source>Random (3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random (2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random (1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doubles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Choose Type of  Search </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Values:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Begin Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Matches:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Number of Entries in Database:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You forgot to select a Search Type</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Older draws kept in %1/%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetsConfigDialog</name>
    <message>
        <source>Zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track Sets over past </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the numbers you wish to track for Set#%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save &amp;&amp; Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetsGraphWindow</name>
    <message>
        <source>Set %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph Sets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ustomize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Totals for Past %1 Draws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SkipTraceWindow</name>
    <message>
        <source>Skip/Trace Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip/Trace Chart for the last 90 days: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartPanel</name>
    <message>
        <source>No database is open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cr&amp;eate a database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import results...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent databases</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SumsGraphSettingsDialog</name>
    <message>
        <source>Sums Analysis Configuration</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SumsGraphWindow</name>
    <message>
        <source>Sums Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ustomize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sums Analysis for Past %1 Draws</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TotalsGraphSettingsDialog</name>
    <message>
        <source>Cumulative Totals Configuration</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TotalsGraphWindow</name>
    <message>
        <source>Totals Bar Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ustomize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cumulative Totals for Past %1 Draws</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TotalsWindow</name>
    <message>
        <source>Totals Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lottery Numbers: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> #Times Picked: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrackDrawsDialog</name>
    <message>
        <source>How Many Draws to Track:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UndoLastEntry</name>
    <message>
        <source>Undo Last Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no entry to undo: no draw has been entered into %1 since Quor 3 started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the last entry, %1 of %2, from %3?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
That entry cut the database back: it comes back as it was before, from %1/%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
What it wrote in &quot;%1&quot; goes with it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateMenuWindow</name>
    <message>
        <source>Update Database Sub-Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add More Entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Make Corrections</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
