<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BWAccessibleCalendar</name>
    <message>
        <location filename="../src/widgets/BWAccessibleCalendar.cpp" line="30"/>
        <source>Calendar, %1</source>
        <translation>Kalender, %1</translation>
    </message>
</context>
<context>
    <name>BWAccessibleCalendarDay</name>
    <message>
        <location filename="../src/widgets/BWAccessibleCalendar.cpp" line="44"/>
        <source>%1, %2 due</source>
        <translation>%1, %2 fällig</translation>
    </message>
    <message>
        <location filename="../src/widgets/BWAccessibleCalendar.cpp" line="55"/>
        <source>Another month</source>
        <translation>Anderer Monat</translation>
    </message>
</context>
<context>
    <name>BWAccessibleFactory</name>
    <message>
        <location filename="../src/widgets/BWAccessibleFactory.cpp" line="45"/>
        <source>Choose Date</source>
        <translation>Datum wählen</translation>
    </message>
    <message>
        <location filename="../src/widgets/BWAccessibleFactory.cpp" line="49"/>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <location filename="../src/widgets/BWAccessibleFactory.cpp" line="51"/>
        <source>Previous Month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <location filename="../src/widgets/BWAccessibleFactory.cpp" line="51"/>
        <source>Next Month</source>
        <translation>Nächster Monat</translation>
    </message>
</context>
<context>
    <name>BWAccessiblePieChart</name>
    <message>
        <location filename="../src/widgets/BWAccessiblePieChart.cpp" line="27"/>
        <source>Pie chart</source>
        <translation>Kreisdiagramm</translation>
    </message>
    <message>
        <location filename="../src/widgets/BWAccessiblePieChart.cpp" line="61"/>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location filename="../src/widgets/BWAccessiblePieChart.cpp" line="62"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>BWAccessibleSegmentedControl</name>
    <message>
        <location filename="../src/widgets/BWAccessibleKit.cpp" line="85"/>
        <source>Choices</source>
        <translation>Auswahl</translation>
    </message>
</context>
<context>
    <name>BWAccessibleStepper</name>
    <message>
        <location filename="../src/widgets/BWAccessibleKit.cpp" line="35"/>
        <source>Stepper</source>
        <translation>Schrittregler</translation>
    </message>
</context>
<context>
    <name>BWAutomaticPayments</name>
    <message>
        <location filename="../src/store/BWAutomaticPayments.cpp" line="154"/>
        <source>Auto-logged by Orvane</source>
        <translation>Automatisch gebucht von Orvane</translation>
    </message>
</context>
<context>
    <name>BWBillActionsMenu</name>
    <message>
        <location filename="../src/screens/BWBillActionsMenu.cpp" line="23"/>
        <location filename="../src/screens/BWBillActionsMenu.cpp" line="49"/>
        <source>Actions</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillActionsMenu.cpp" line="162"/>
        <source>Are you sure you want to skip the next payment for this bill?</source>
        <translation>Möchten Sie die nächste Zahlung dieser Rechnung wirklich überspringen?</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillActionsMenu.cpp" line="25"/>
        <source>Repeat Action</source>
        <translation>Aktion wiederholen</translation>
    </message>
</context>
<context>
    <name>BWBillCommandRunner</name>
    <message>
        <location filename="../src/shell/BWBillCommandRunner+Commands.cpp" line="101"/>
        <source>Log Payment</source>
        <translation>Zahlung buchen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWBillCommandRunner+Commands.cpp" line="144"/>
        <source>Quick Logged</source>
        <translation>Schnell gebucht</translation>
    </message>
    <message>
        <location filename="../src/shell/BWBillCommandRunner+Commands.cpp" line="149"/>
        <source>The Payment Was Not Logged</source>
        <translation>Die Zahlung wurde nicht gebucht</translation>
    </message>
    <message>
        <location filename="../src/shell/BWBillCommandRunner+Commands.cpp" line="150"/>
        <source>The bill could not be saved, so its payments and due date are unchanged.</source>
        <translation>Die Rechnung konnte nicht gespeichert werden; ihre Zahlungen und ihr Fälligkeitsdatum bleiben unverändert.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWBillCommandRunner+Commands.cpp" line="323"/>
        <source>No Bill Selected</source>
        <translation>Keine Rechnung ausgewählt</translation>
    </message>
    <message>
        <location filename="../src/shell/BWBillCommandRunner+Commands.cpp" line="324"/>
        <source>Select a bill before trying to export it as a CSV file.</source>
        <translation>Wählen Sie eine Rechnung aus, bevor Sie sie als CSV-Datei exportieren.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWBillCommandRunner+Commands.cpp" line="330"/>
        <location filename="../src/shell/BWBillCommandRunner+Commands.cpp" line="343"/>
        <source>Export Failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWBillCommandRunner+Commands.cpp" line="331"/>
        <source>The bill could not be read.</source>
        <translation>Die Rechnung konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWBillCommandRunner+Commands.cpp" line="335"/>
        <source>Export Bill As CSV</source>
        <translation>Rechnung als CSV exportieren</translation>
    </message>
    <message>
        <location filename="../src/shell/BWBillCommandRunner+Commands.cpp" line="344"/>
        <source>The payments could not be saved to &quot;%1&quot;.</source>
        <translation>Die Zahlungen konnten nicht in „%1“ gespeichert werden.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWBillCommandRunner.cpp" line="374"/>
        <source>Hide Paydays on Overview</source>
        <translation>Zahltage in der Übersicht ausblenden</translation>
    </message>
    <message>
        <location filename="../src/shell/BWBillCommandRunner.cpp" line="374"/>
        <source>Show Paydays on Overview</source>
        <translation>Zahltage in der Übersicht anzeigen</translation>
    </message>
</context>
<context>
    <name>BWBillDetailViewController</name>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="110"/>
        <source>Enter a Date</source>
        <translation>Geben Sie ein Datum ein</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="123"/>
        <source>The Change Was Not Saved</source>
        <translation>Die Änderung wurde nicht gespeichert</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="123"/>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="152"/>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="274"/>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="319"/>
        <source>The bill could not be written; it is unchanged.</source>
        <translation>Die Rechnung konnte nicht geschrieben werden; sie bleibt unverändert.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="144"/>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="148"/>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="152"/>
        <source>The Payment Was Not Skipped</source>
        <translation>Die Zahlung wurde nicht übersprungen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="144"/>
        <source>An archived bill has no payment to skip until it is restored.</source>
        <translation>Eine archivierte Rechnung hat keine Zahlung zum Überspringen, bis sie wiederhergestellt ist.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="148"/>
        <source>The bill&apos;s next due date could not be worked out.</source>
        <translation>Das nächste Fälligkeitsdatum der Rechnung konnte nicht ermittelt werden.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="213"/>
        <source>The Receipt Could Not Be Opened</source>
        <translation>Der Beleg konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="213"/>
        <source>The receipt file &quot;%1&quot; is missing.</source>
        <translation>Die Belegdatei „%1“ fehlt.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="228"/>
        <source>The bill&apos;s payments changed since they were shown. Look again.</source>
        <translation>Die Zahlungen der Rechnung haben sich seit der Anzeige geändert. Sehen Sie bitte noch einmal nach.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="246"/>
        <source>The Receipt Was Not Attached</source>
        <translation>Der Beleg wurde nicht angehängt</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="247"/>
        <source>&quot;%1&quot; could not be copied into Orvane&apos;s data folder; the payment keeps its earlier receipt.</source>
        <translation>„%1“ konnte nicht in den Datenordner von Orvane kopiert werden; die Zahlung behält ihren bisherigen Beleg.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="258"/>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="349"/>
        <source>Enter an Amount</source>
        <translation>Geben Sie einen Betrag ein</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="258"/>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="349"/>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>„%1“ ist kein Betrag.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="261"/>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="274"/>
        <source>The Payment Was Not Changed</source>
        <translation>Die Zahlung wurde nicht geändert</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="288"/>
        <source>The payment of %1 on %2 is taken out of the bill&apos;s history and totals.</source>
        <translation>Die Zahlung von %1 am %2 wird aus dem Verlauf und den Summen der Rechnung entfernt.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="296"/>
        <source>The due date moves back to where it was before this payment.</source>
        <translation>Das Fälligkeitsdatum geht auf den Stand vor dieser Zahlung zurück.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="297"/>
        <source>The due date stays as it is: this partial payment did not move it.</source>
        <translation>Das Fälligkeitsdatum bleibt, wie es ist: Diese Teilzahlung hat es nicht verschoben.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="298"/>
        <source>Delete This Payment?</source>
        <translation>Diese Zahlung löschen?</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="299"/>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="125"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="299"/>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="526"/>
        <source>Delete Payment</source>
        <translation>Zahlung löschen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="305"/>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="319"/>
        <source>The Payment Was Not Removed</source>
        <translation>Die Zahlung wurde nicht entfernt</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="438"/>
        <source>Enter a Number</source>
        <translation>Geben Sie eine Zahl ein</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="438"/>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>„%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="446"/>
        <source>Enter an Interest Rate</source>
        <translation>Geben Sie einen Zinssatz ein</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Edits.cpp" line="446"/>
        <source>%1 % is no interest rate. Enter the rate as a percent from 0 to 100.</source>
        <translation>%1 % ist kein Zinssatz. Geben Sie den Satz in Prozent von 0 bis 100 ein.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="149"/>
        <source>Overview</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="153"/>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="154"/>
        <source>Previous Bill</source>
        <translation>Vorherige Rechnung</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="157"/>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="158"/>
        <source>Next Bill</source>
        <translation>Nächste Rechnung</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="169"/>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="263"/>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="455"/>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="175"/>
        <source>Actions</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="218"/>
        <source>Click to change the amount</source>
        <translation>Klicken, um den Betrag zu ändern</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="221"/>
        <source>This income is logged automatically on its pay day.</source>
        <translation>Diese Einnahme wird an ihrem Zahltag automatisch gebucht.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="222"/>
        <source>Change Date</source>
        <translation>Datum ändern</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="224"/>
        <source>Change Amount</source>
        <translation>Betrag ändern</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="229"/>
        <source>Pay Now</source>
        <translation>Jetzt bezahlen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="230"/>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="231"/>
        <source>Log Payment</source>
        <translation>Zahlung buchen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="234"/>
        <source>Partial</source>
        <translation>Teilweise</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="234"/>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="237"/>
        <source>Log Partial Payment</source>
        <translation>Teilzahlung buchen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="261"/>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="268"/>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="565"/>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="569"/>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="301"/>
        <source>View Receipt</source>
        <translation>Beleg anzeigen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="311"/>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="521"/>
        <source>Date Paid</source>
        <translation>Bezahlt am</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="311"/>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="522"/>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="554"/>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="556"/>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="311"/>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="523"/>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="311"/>
        <source>Receipt</source>
        <translation>Beleg</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="422"/>
        <source>Previous Figures</source>
        <translation>Vorherige Zahlen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="423"/>
        <source>Next Figures</source>
        <translation>Nächste Zahlen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="444"/>
        <source>Payments</source>
        <translation>Zahlungen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="445"/>
        <source>Average</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="446"/>
        <source>Highest</source>
        <translation>Höchster</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="448"/>
        <source>Lowest</source>
        <translation>Niedrigster</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="451"/>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="452"/>
        <source>All Time</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="453"/>
        <source>This Year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="454"/>
        <source>Last Year</source>
        <translation>Letztes Jahr</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="457"/>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="458"/>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="578"/>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="584"/>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="459"/>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="586"/>
        <source>Escrow</source>
        <translation>Treuhand</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="460"/>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="462"/>
        <source>Seasons</source>
        <translation>Jahreszeiten</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="463"/>
        <source>Winter</source>
        <translation>Winter</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="464"/>
        <source>Spring</source>
        <translation>Frühling</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="465"/>
        <source>Summer</source>
        <translation>Sommer</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="466"/>
        <source>Fall</source>
        <translation>Herbst</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="503"/>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="509"/>
        <source>Skip Payment</source>
        <translation>Zahlung überspringen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="515"/>
        <source>Edit Payment</source>
        <translation>Zahlung bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="525"/>
        <source>Remove Receipt</source>
        <translation>Beleg entfernen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="528"/>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="558"/>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="571"/>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="588"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="529"/>
        <source>Date Paid:</source>
        <translation>Bezahlt am:</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="530"/>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="531"/>
        <source>Note:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="535"/>
        <source>Receipt:</source>
        <translation>Beleg:</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="546"/>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="552"/>
        <source>Quick Edit</source>
        <translation>Schnell bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="553"/>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="555"/>
        <source>Due Date</source>
        <translation>Fälligkeitsdatum</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="589"/>
        <source>Balance:</source>
        <translation>Saldo:</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="590"/>
        <source>Interest Rate (%):</source>
        <translation>Zinssatz (%):</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="591"/>
        <source>Escrow:</source>
        <translation>Treuhand:</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController.cpp" line="252"/>
        <source>AMOUNT</source>
        <translation>BETRAG</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController.cpp" line="252"/>
        <source>AMOUNT DUE</source>
        <translation>FÄLLIGER BETRAG</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController.cpp" line="256"/>
        <source>Income History</source>
        <translation>Einnahmenverlauf</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController.cpp" line="256"/>
        <source>Payment History</source>
        <translation>Zahlungsverlauf</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController.cpp" line="257"/>
        <source>Total Income</source>
        <translation>Einnahmen gesamt</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController.cpp" line="257"/>
        <source>Total Paid</source>
        <translation>Gezahlt gesamt</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController.cpp" line="279"/>
        <source>Date adjusted to avoid weekend.</source>
        <translation>Datum verschoben, um ein Wochenende zu meiden.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController.cpp" line="282"/>
        <source>Date adjusted to avoid holiday.</source>
        <translation>Datum verschoben, um einen Feiertag zu meiden.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController.cpp" line="286"/>
        <source>Archived</source>
        <translation>Archiviert</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController.cpp" line="303"/>
        <location filename="../src/screens/BWBillDetailViewController.cpp" line="309"/>
        <source>Not Set</source>
        <translation>Nicht festgelegt</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillStatisticsStrip.cpp" line="89"/>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="416"/>
        <source>Earlier Figures</source>
        <translation>Frühere Werte</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="417"/>
        <source>Later Figures</source>
        <translation>Spätere Werte</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillDetailViewController+Views.cpp" line="585"/>
        <source>Interest Rate</source>
        <translation>Zinssatz</translation>
    </message>
</context>
<context>
    <name>BWBillEditorController</name>
    <message>
        <location filename="../src/screens/BWBillEditorController+BillForm.cpp" line="90"/>
        <source>Savings Goal</source>
        <translation>Sparziel</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+BillForm.cpp" line="91"/>
        <source>Savings Goals</source>
        <translation>Sparziele</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+BillForm.cpp" line="281"/>
        <source>save the bill</source>
        <translation>die Rechnung speichern</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+IncomeForm.cpp" line="82"/>
        <source>save the income item</source>
        <translation>die Einnahme speichern</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="141"/>
        <source>Do you really want to delete</source>
        <translation>Möchten Sie wirklich löschen:</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="141"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="148"/>
        <location filename="../src/screens/BWBillEditorController.cpp" line="137"/>
        <source>Bill Editor</source>
        <translation>Rechnungseditor</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="190"/>
        <source>Every</source>
        <translation>Alle</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="198"/>
        <source>Back to the usual repeat choices</source>
        <translation>Zurück zu den üblichen Wiederholungen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="224"/>
        <source>Bill name</source>
        <translation>Name der Rechnung</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="233"/>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="304"/>
        <source>Amount varies</source>
        <translation>Betrag schwankt</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="235"/>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="240"/>
        <source>Web address where you pay</source>
        <translation>Webadresse, unter der Sie bezahlen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="243"/>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="306"/>
        <source>Tags, separated by commas</source>
        <translation>Schlagwörter, durch Kommas getrennt</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="246"/>
        <source>Remind me</source>
        <translation>Erinnern</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="251"/>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="309"/>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="348"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="252"/>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="310"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="257"/>
        <source>Due:</source>
        <translation>Fällig:</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="259"/>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="317"/>
        <source>Repeats:</source>
        <translation>Wiederholung:</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="261"/>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="319"/>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="263"/>
        <source>Balance:</source>
        <translation>Saldo:</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="265"/>
        <source>Pay by:</source>
        <translation>Zahlart:</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="267"/>
        <source>Pay site:</source>
        <translation>Zahlseite:</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="269"/>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="321"/>
        <source>Tags:</source>
        <translation>Schlagwörter:</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="272"/>
        <source>days before it is due</source>
        <translation>Tage vor Fälligkeit</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="294"/>
        <source>Income name</source>
        <translation>Name der Einnahme</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="313"/>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="315"/>
        <source>Paid on:</source>
        <translation>Bezahlt am:</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController.cpp" line="137"/>
        <source>Income Editor</source>
        <translation>Einnahmeneditor</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController.cpp" line="197"/>
        <source>Enter an Amount</source>
        <translation>Geben Sie einen Betrag ein</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController.cpp" line="197"/>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>„%1“ ist kein Betrag.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController.cpp" line="206"/>
        <source>The Item Was Not Saved</source>
        <translation>Der Eintrag wurde nicht gespeichert</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController.cpp" line="207"/>
        <source>Orvane could not %1, so nothing was changed and your entries are still in the form. Check that the data folder can be written to, then try again.</source>
        <translation>Orvane konnte %1 nicht; es wurde nichts geändert, und Ihre Eingaben stehen noch im Formular. Prüfen Sie, ob der Datenordner beschreibbar ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController.cpp" line="227"/>
        <source>delete the item</source>
        <translation>den Eintrag löschen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController.cpp" line="329"/>
        <source>Enter a Date</source>
        <translation>Geben Sie ein Datum ein</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="193"/>
        <source>Repeat Every</source>
        <translation>Wiederholen alle</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="199"/>
        <source>Usual Repeats</source>
        <translation>Übliche Wiederholungen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="221"/>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="225"/>
        <source>Bill Name</source>
        <translation>Name der Rechnung</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="228"/>
        <source>Due Date</source>
        <translation>Fälligkeitsdatum</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="232"/>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="303"/>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="236"/>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="241"/>
        <source>Pay Site</source>
        <translation>Zahlungsseite</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="244"/>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="307"/>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="249"/>
        <source>Days before it is due</source>
        <translation>Tage vor der Fälligkeit</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="295"/>
        <source>Income Name</source>
        <translation>Name der Einnahme</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="298"/>
        <source>Paid On</source>
        <translation>Bezahlt am</translation>
    </message>
</context>
<context>
    <name>BWBillsLoader</name>
    <message>
        <location filename="../src/screens/BWOverviewTableModel.cpp" line="152"/>
        <location filename="../src/store/BWBillDates.cpp" line="106"/>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="51"/>
        <source>Due in 1 day</source>
        <translation>Fällig in 1 Tag</translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="52"/>
        <source>Due in 1 week</source>
        <translation>Fällig in 1 Woche</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/store/BWBillDates.cpp" line="53"/>
        <source>Due in %n days</source>
        <translation>
            <numerusform>Fällig in %n Tag</numerusform>
            <numerusform>Fällig in %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="54"/>
        <source>Due in about 1 month</source>
        <translation>Fällig in etwa 1 Monat</translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="55"/>
        <source>Due in over 1 month</source>
        <translation>Fällig in über 1 Monat</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/store/BWBillDates.cpp" line="56"/>
        <source>Due in about %n months</source>
        <translation>
            <numerusform>Fällig in etwa %n Monat</numerusform>
            <numerusform>Fällig in etwa %n Monaten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/store/BWBillDates.cpp" line="57"/>
        <source>Due in over %n months</source>
        <translation>
            <numerusform>Fällig in über %n Monat</numerusform>
            <numerusform>Fällig in über %n Monaten</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="58"/>
        <source>Due in over 1 year</source>
        <translation>Fällig in über 1 Jahr</translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="62"/>
        <source>Paid in 1 day</source>
        <translation>Zahlung in 1 Tag</translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="63"/>
        <source>Paid in 1 week</source>
        <translation>Zahlung in 1 Woche</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/store/BWBillDates.cpp" line="64"/>
        <source>Paid in %n days</source>
        <translation>
            <numerusform>Zahlung in %n Tag</numerusform>
            <numerusform>Zahlung in %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="65"/>
        <source>Paid in about 1 month</source>
        <translation>Zahlung in etwa 1 Monat</translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="66"/>
        <source>Paid in over 1 month</source>
        <translation>Zahlung in über 1 Monat</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/store/BWBillDates.cpp" line="67"/>
        <source>Paid in about %n months</source>
        <translation>
            <numerusform>Zahlung in etwa %n Monat</numerusform>
            <numerusform>Zahlung in etwa %n Monaten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/store/BWBillDates.cpp" line="68"/>
        <source>Paid in over %n months</source>
        <translation>
            <numerusform>Zahlung in über %n Monat</numerusform>
            <numerusform>Zahlung in über %n Monaten</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="69"/>
        <source>Paid in over 1 year</source>
        <translation>Zahlung in über 1 Jahr</translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="74"/>
        <source>In 1 day</source>
        <translation>In 1 Tag</translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="75"/>
        <source>In 1 week</source>
        <translation>In 1 Woche</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/store/BWBillDates.cpp" line="76"/>
        <source>In %n days</source>
        <translation>
            <numerusform>In %n Tag</numerusform>
            <numerusform>In %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="77"/>
        <source>In 1 month</source>
        <translation>In 1 Monat</translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="78"/>
        <source>Over 1 month</source>
        <translation>In über 1 Monat</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/store/BWBillDates.cpp" line="79"/>
        <source>In %n months</source>
        <translation>
            <numerusform>In %n Monat</numerusform>
            <numerusform>In %n Monaten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/store/BWBillDates.cpp" line="80"/>
        <source>Over %n months</source>
        <translation>
            <numerusform>In über %n Monat</numerusform>
            <numerusform>In über %n Monaten</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="81"/>
        <source>Over 1 year</source>
        <translation>In über 1 Jahr</translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="140"/>
        <source>Paid 1 day ago</source>
        <translation>Vor 1 Tag bezahlt</translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="141"/>
        <source>Overdue by 1 day</source>
        <translation>1 Tag überfällig</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/store/BWBillDates.cpp" line="143"/>
        <source>Paid %n days ago</source>
        <translation>
            <numerusform>Vor %n Tag bezahlt</numerusform>
            <numerusform>Vor %n Tagen bezahlt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/store/BWBillDates.cpp" line="144"/>
        <source>Overdue by %n days</source>
        <translation>
            <numerusform>%n Tag überfällig</numerusform>
            <numerusform>%n Tage überfällig</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="146"/>
        <source>Paid today</source>
        <translation>Heute bezahlt</translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="147"/>
        <source>Due today</source>
        <translation>Heute fällig</translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="158"/>
        <source>Overdue</source>
        <translation>Überfällig</translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="160"/>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="180"/>
        <source>Every week</source>
        <translation>Jede Woche</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/store/BWBillDates.cpp" line="181"/>
        <source>Every %n weeks</source>
        <translation>
            <numerusform>Alle %n Woche</numerusform>
            <numerusform>Alle %n Wochen</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="183"/>
        <source>Twice per month</source>
        <translation>Zweimal im Monat</translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="186"/>
        <source>Every month</source>
        <translation>Jeden Monat</translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="188"/>
        <source>Every quarter</source>
        <translation>Jedes Quartal</translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="190"/>
        <source>Every year</source>
        <translation>Jedes Jahr</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/store/BWBillDates.cpp" line="191"/>
        <source>Every %n months</source>
        <translation>
            <numerusform>Alle %n Monat</numerusform>
            <numerusform>Alle %n Monate</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/store/BWBillDates.cpp" line="193"/>
        <source>Every day</source>
        <translation>Jeden Tag</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/store/BWBillDates.cpp" line="194"/>
        <source>Every %n days</source>
        <translation>
            <numerusform>Alle %n Tag</numerusform>
            <numerusform>Alle %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/store/BWBillsLoader+Amounts.cpp" line="108"/>
        <source>Paid 1 time</source>
        <translation>1-mal bezahlt</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/store/BWBillsLoader+Amounts.cpp" line="109"/>
        <source>Paid %n times</source>
        <translation>
            <numerusform>%n-mal bezahlt</numerusform>
            <numerusform>%n-mal bezahlt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BWCloudSyncGlue</name>
    <message>
        <location filename="../src/shell/BWCloudSyncGlue.cpp" line="226"/>
        <source>Sync is not available in this copy of Orvane.</source>
        <translation>Die Synchronisation ist in dieser Kopie von Orvane nicht verfügbar.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWCloudSyncGlue.cpp" line="227"/>
        <source>No shared folder is in use: choose one below, then start Orvane again.</source>
        <translation>Es wird kein gemeinsamer Ordner verwendet: Wählen Sie unten einen aus und starten Sie Orvane neu.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWCloudSyncGlue.cpp" line="326"/>
        <location filename="../src/shell/BWCloudSyncGlue.cpp" line="354"/>
        <location filename="../src/shell/BWCloudSyncGlue.cpp" line="368"/>
        <source>Sync failed: %1</source>
        <translation>Synchronisation fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location filename="../src/shell/BWCloudSyncGlue.cpp" line="333"/>
        <source>A sync file that could not be read was moved to %1</source>
        <translation>Eine nicht lesbare Synchronisationsdatei wurde nach %1 verschoben</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/shell/BWCloudSyncGlue.cpp" line="344"/>
        <source>The clock of computer %1 is %n day(s) ahead. Set its date and time right; its changes are merged once it is.</source>
        <translation>
            <numerusform>Die Uhr des Computers %1 geht %n Tag vor. Stellen Sie dort Datum und Uhrzeit richtig ein; seine Änderungen werden dann übernommen.</numerusform>
            <numerusform>Die Uhr des Computers %1 geht %n Tage vor. Stellen Sie dort Datum und Uhrzeit richtig ein; seine Änderungen werden dann übernommen.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/shell/BWCloudSyncGlue.cpp" line="373"/>
        <source>Last Sync: %1</source>
        <translation>Letzte Synchronisation: %1</translation>
    </message>
    <message>
        <location filename="../src/shell/BWCloudSyncGlue.cpp" line="463"/>
        <source>Orvane Cloud Account…</source>
        <translation>Orvane-Cloud-Konto …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWCloudSyncGlue.cpp" line="467"/>
        <source>Orvane Cloud</source>
        <translation>Orvane Cloud</translation>
    </message>
</context>
<context>
    <name>BWCommandLine</name>
    <message>
        <location filename="../src/shell/BWCommandLine.cpp" line="37"/>
        <source>Keeps your recurring bills and income in order.</source>
        <translation>Verwaltet Ihre regelmäßigen Rechnungen und Einnahmen.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWCommandLine.cpp" line="42"/>
        <source>An Orvane launch address to open, as the login agent does.</source>
        <translation>Eine Orvane-Startadresse, die geöffnet wird, wie es der Anmelde-Agent tut.</translation>
    </message>
</context>
<context>
    <name>BWDateField</name>
    <message>
        <location filename="../src/widgets/BWDateField.cpp" line="90"/>
        <source>%1 lies outside the dates this field takes, %2 to %3.</source>
        <translation>%1 liegt außerhalb des Bereichs dieses Feldes, %2 bis %3.</translation>
    </message>
    <message>
        <location filename="../src/widgets/BWDateField.cpp" line="93"/>
        <source>&quot;%1&quot; is not a date. Type a day of the month, a month and day such as &quot;%2&quot;, or a whole date such as &quot;%3&quot;.</source>
        <translation>„%1“ ist kein Datum. Geben Sie einen Tag des Monats, Monat und Tag wie „%2“ oder ein ganzes Datum wie „%3“ ein.</translation>
    </message>
    <message>
        <location filename="../src/widgets/BWDateField.cpp" line="147"/>
        <source>Choose from a calendar</source>
        <translation>Aus einem Kalender wählen</translation>
    </message>
    <message>
        <location filename="../src/widgets/BWDateField.cpp" line="148"/>
        <source>Choose Date</source>
        <translation>Datum wählen</translation>
    </message>
</context>
<context>
    <name>BWFirebaseCloudAccount</name>
    <message>
        <location filename="../src/shell/BWFirebaseCloudAccount.cpp" line="45"/>
        <source>Orvane Cloud is not set up on this computer.</source>
        <translation>Orvane Cloud ist auf diesem Computer nicht eingerichtet.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWFirebaseCloudAccount.cpp" line="46"/>
        <source>You are not signed in to Orvane Cloud.</source>
        <translation>Sie sind nicht bei Orvane Cloud angemeldet.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWFirebaseCloudAccount.cpp" line="47"/>
        <source>This is not a valid email address.</source>
        <translation>Dies ist keine gültige E-Mail-Adresse.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWFirebaseCloudAccount.cpp" line="48"/>
        <source>This password is too weak. Choose a longer one.</source>
        <translation>Dieses Passwort ist zu schwach. Wählen Sie ein längeres.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWFirebaseCloudAccount.cpp" line="49"/>
        <source>An account with this email address exists already.</source>
        <translation>Es gibt bereits ein Konto mit dieser E-Mail-Adresse.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWFirebaseCloudAccount.cpp" line="50"/>
        <source>The email address or the password is wrong.</source>
        <translation>Die E-Mail-Adresse oder das Passwort ist falsch.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWFirebaseCloudAccount.cpp" line="51"/>
        <source>Too many attempts. Please wait a while and try again.</source>
        <translation>Zu viele Versuche. Bitte warten Sie eine Weile und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWFirebaseCloudAccount.cpp" line="52"/>
        <source>Your session has ended. Please sign in again.</source>
        <translation>Ihre Sitzung ist abgelaufen. Bitte melden Sie sich erneut an.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWFirebaseCloudAccount.cpp" line="54"/>
        <source>Orvane Cloud could not be reached. Check your internet connection and try again.</source>
        <translation>Orvane Cloud ist nicht erreichbar. Prüfen Sie Ihre Internetverbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWFirebaseCloudAccount.cpp" line="55"/>
        <source>Orvane Cloud did not answer as expected. Please try again later.</source>
        <translation>Orvane Cloud hat unerwartet geantwortet. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWFirebaseCloudAccount.cpp" line="56"/>
        <source>Orvane Cloud refused the change.</source>
        <translation>Orvane Cloud hat die Änderung abgelehnt.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWFirebaseCloudAccount.cpp" line="58"/>
        <source>Something went wrong. Please try again.</source>
        <translation>Etwas ist schiefgegangen. Bitte versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>BWForecastViewController</name>
    <message>
        <location filename="../src/screens/BWForecastViewController.cpp" line="72"/>
        <source>Forecast</source>
        <translation>Prognose</translation>
    </message>
    <message>
        <location filename="../src/screens/BWForecastViewController.cpp" line="75"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWForecastViewController.cpp" line="82"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../src/screens/BWForecastViewController.cpp" line="83"/>
        <location filename="../src/screens/BWForecastViewController.cpp" line="94"/>
        <source>Due</source>
        <translation>Fällig</translation>
    </message>
    <message>
        <location filename="../src/screens/BWForecastViewController.cpp" line="84"/>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <location filename="../src/screens/BWForecastViewController.cpp" line="85"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../src/screens/BWForecastViewController.cpp" line="93"/>
        <source>Bills</source>
        <translation>Rechnungen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWForecastViewController.cpp" line="95"/>
        <source>To Save</source>
        <translation>Zu sparen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWForecastViewController.cpp" line="96"/>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWForecastViewController.cpp" line="119"/>
        <source>Include amounts to save</source>
        <translation>Sparbeträge einbeziehen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWForecastViewController.cpp" line="120"/>
        <source>Estimate varying amounts</source>
        <translation>Schwankende Beträge schätzen</translation>
    </message>
</context>
<context>
    <name>BWGraphViewController</name>
    <message>
        <location filename="../src/screens/BWGraphViewController.cpp" line="52"/>
        <source>By Month</source>
        <translation>Nach Monat</translation>
    </message>
    <message>
        <location filename="../src/screens/BWGraphViewController.cpp" line="52"/>
        <source>By Payment</source>
        <translation>Nach Zahlung</translation>
    </message>
    <message>
        <location filename="../src/screens/BWGraphViewController.cpp" line="56"/>
        <source>Payment Graph</source>
        <translation>Zahlungsgrafik</translation>
    </message>
</context>
<context>
    <name>BWHistoryViewController</name>
    <message>
        <location filename="../src/screens/BWHistoryViewController.cpp" line="41"/>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <location filename="../src/screens/BWHistoryViewController.cpp" line="49"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../src/screens/BWHistoryViewController.cpp" line="50"/>
        <source>Paid On</source>
        <translation>Bezahlt am</translation>
    </message>
    <message>
        <location filename="../src/screens/BWHistoryViewController.cpp" line="51"/>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <location filename="../src/screens/BWHistoryViewController.cpp" line="52"/>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <location filename="../src/screens/BWHistoryViewController.cpp" line="60"/>
        <source>Payments</source>
        <translation>Zahlungen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWHistoryViewController.cpp" line="61"/>
        <source>Total Paid</source>
        <translation>Gezahlt gesamt</translation>
    </message>
</context>
<context>
    <name>BWImportController</name>
    <message>
        <location filename="../src/shell/BWImportController.cpp" line="42"/>
        <source>Warning: Importing Will Overwrite Your Current Data</source>
        <translation>Warnung: Der Import überschreibt Ihre aktuellen Daten</translation>
    </message>
    <message>
        <location filename="../src/shell/BWImportController.cpp" line="43"/>
        <source>Importing Orvane 4 data will overwrite all current Orvane 5 data. This cannot be undone. Are you sure you want to continue?</source>
        <translation>Der Import der Daten von Orvane 4 überschreibt alle aktuellen Daten von Orvane 5. Dies kann nicht rückgängig gemacht werden. Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <location filename="../src/shell/BWImportController.cpp" line="45"/>
        <source>Erase &amp; Import</source>
        <translation>Löschen und importieren</translation>
    </message>
    <message>
        <location filename="../src/shell/BWImportController.cpp" line="45"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWImportController.cpp" line="79"/>
        <source>Select Orvane Folder</source>
        <translation>Orvane-Ordner auswählen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWImportController.cpp" line="79"/>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWImportController.cpp" line="84"/>
        <source>Invalid Folder</source>
        <translation>Ungültiger Ordner</translation>
    </message>
    <message>
        <location filename="../src/shell/BWImportController.cpp" line="85"/>
        <source>This doesn&apos;t appear to be a Orvane database folder. The folder should be named Orvane. Please try again.</source>
        <translation>Dies scheint kein Datenbankordner von Orvane zu sein. Der Ordner sollte Orvane heißen. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWImportController.cpp" line="136"/>
        <source>Import Orvane 4 Data</source>
        <translation>Daten von Orvane 4 importieren</translation>
    </message>
    <message>
        <location filename="../src/shell/BWImportController.cpp" line="138"/>
        <source>Import the bills of Orvane 4 from its usual place, or choose the folder named Orvane that holds its data.</source>
        <translation>Importieren Sie die Rechnungen von Orvane 4 von ihrem üblichen Ort, oder wählen Sie den Ordner namens Orvane, der seine Daten enthält.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWImportController.cpp" line="149"/>
        <source>Import from the Usual Place</source>
        <translation>Vom üblichen Ort importieren</translation>
    </message>
    <message>
        <location filename="../src/shell/BWImportController.cpp" line="150"/>
        <source>Choose Folder…</source>
        <translation>Ordner wählen …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWImportController.cpp" line="151"/>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWImportController.cpp" line="161"/>
        <source>These bills could not be read: %1.</source>
        <translation>Diese Rechnungen konnten nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWImportController.cpp" line="163"/>
        <source>No older Orvane data could be imported from there.</source>
        <translation>Von dort konnten keine älteren Orvane-Daten importiert werden.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWImportController.cpp" line="166"/>
        <source>Import Failed</source>
        <translation>Import fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWImportController.cpp" line="170"/>
        <source>Some Bills Were Not Imported</source>
        <translation>Einige Rechnungen wurden nicht importiert</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/shell/BWImportController.cpp" line="171"/>
        <source>%n bill(s) were imported. </source>
        <translation>
            <numerusform>%n Rechnung wurde importiert. </numerusform>
            <numerusform>%n Rechnungen wurden importiert. </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BWIncomeController</name>
    <message>
        <location filename="../src/screens/BWIncomeController.cpp" line="59"/>
        <location filename="../src/screens/BWIncomeController.cpp" line="79"/>
        <source>Income Sources</source>
        <translation>Einkommensquellen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWIncomeController.cpp" line="68"/>
        <source>No income sources yet. A source is money that comes in regularly, such as a salary or a pension: Orvane counts it in this month&apos;s income and expected balance. Click &quot;Add Income Source&quot; to add one.

Income items made with &quot;+ Income&quot; on the overview are kept with your bills and are not listed here.</source>
        <translation>Noch keine Einkommensquellen. Eine Quelle ist Geld, das regelmäßig eingeht, etwa ein Gehalt oder eine Rente: Orvane zählt es zu den Einnahmen und zum erwarteten Saldo dieses Monats. Klicken Sie auf „Einkommensquelle hinzufügen“, um eine anzulegen.

Einnahmen, die Sie in der Übersicht mit „+ Einnahme“ anlegen, werden bei Ihren Rechnungen geführt und erscheinen hier nicht.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWIncomeController.cpp" line="80"/>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location filename="../src/screens/BWIncomeController.cpp" line="80"/>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <location filename="../src/screens/BWIncomeController.cpp" line="80"/>
        <source>Pay Day</source>
        <translation>Zahltag</translation>
    </message>
    <message>
        <location filename="../src/screens/BWIncomeController.cpp" line="80"/>
        <source>Repeats</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <location filename="../src/screens/BWIncomeController.cpp" line="98"/>
        <source>Add Income Source</source>
        <translation>Einkommensquelle hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWIncomeController.cpp" line="109"/>
        <source>Last Day of Month</source>
        <translation>Letzter Tag des Monats</translation>
    </message>
    <message>
        <location filename="../src/screens/BWIncomeController.cpp" line="111"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location filename="../src/screens/BWIncomeController.cpp" line="111"/>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <location filename="../src/screens/BWIncomeController.cpp" line="111"/>
        <source>Bi-Weekly</source>
        <translation>Zweiwöchentlich</translation>
    </message>
    <message>
        <location filename="../src/screens/BWIncomeController.cpp" line="111"/>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <location filename="../src/screens/BWIncomeController.cpp" line="112"/>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <location filename="../src/screens/BWIncomeController.cpp" line="113"/>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <location filename="../src/screens/BWIncomeController.cpp" line="114"/>
        <source>Pay Day:</source>
        <translation>Zahltag:</translation>
    </message>
    <message>
        <location filename="../src/screens/BWIncomeController.cpp" line="115"/>
        <source>Repeats:</source>
        <translation>Wiederholung:</translation>
    </message>
    <message>
        <location filename="../src/screens/BWIncomeController.cpp" line="121"/>
        <location filename="../src/screens/BWIncomeController.cpp" line="148"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWIncomeController.cpp" line="122"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWIncomeController.cpp" line="123"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../src/screens/BWIncomeController.cpp" line="147"/>
        <source>Edit…</source>
        <translation>Bearbeiten …</translation>
    </message>
    <message>
        <location filename="../src/screens/BWIncomeController.cpp" line="254"/>
        <source>Enter the amount as a number of 0 or more.</source>
        <translation>Geben Sie den Betrag als Zahl von 0 oder mehr ein.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWIncomeController.cpp" line="294"/>
        <source>The income sources could not be saved.</source>
        <translation>Die Einkommensquellen konnten nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>BWLegacyKeyValueSync</name>
    <message>
        <location filename="../src/sync/BWLegacyKeyValueSync.cpp" line="77"/>
        <source>Last Sync: %1</source>
        <translation>Letzte Synchronisation: %1</translation>
    </message>
    <message>
        <location filename="../src/sync/BWLegacyKeyValueSync.cpp" line="177"/>
        <source>Delete iCloud Data?</source>
        <translation>iCloud-Daten löschen?</translation>
    </message>
    <message>
        <location filename="../src/sync/BWLegacyKeyValueSync.cpp" line="178"/>
        <source>Are you sure you want to delete your Orvane data on iCloud? This will not delete your local data.</source>
        <translation>Möchten Sie Ihre Orvane-Daten in iCloud wirklich löschen? Ihre lokalen Daten werden dabei nicht gelöscht.</translation>
    </message>
    <message>
        <location filename="../src/sync/BWLegacyKeyValueSync.cpp" line="180"/>
        <source>Delete iCloud Data</source>
        <translation>iCloud-Daten löschen</translation>
    </message>
    <message>
        <location filename="../src/sync/BWLegacyKeyValueSync.cpp" line="180"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>BWLogPaymentController</name>
    <message>
        <location filename="../src/screens/BWLogPaymentController.cpp" line="82"/>
        <location filename="../src/screens/BWLogPaymentController.cpp" line="103"/>
        <source>Log Payment</source>
        <translation>Zahlung buchen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWLogPaymentController.cpp" line="105"/>
        <source>Log Partial Payment</source>
        <translation>Teilzahlung buchen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWLogPaymentController.cpp" line="107"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWLogPaymentController.cpp" line="115"/>
        <source>Date Paid:</source>
        <translation>Bezahlt am:</translation>
    </message>
    <message>
        <location filename="../src/screens/BWLogPaymentController.cpp" line="117"/>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <location filename="../src/screens/BWLogPaymentController.cpp" line="119"/>
        <source>Note:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <location filename="../src/screens/BWLogPaymentController.cpp" line="178"/>
        <location filename="../src/screens/BWLogPaymentController.cpp" line="216"/>
        <source>This item no longer exists, so no payment can be logged for it.</source>
        <translation>Diesen Eintrag gibt es nicht mehr, daher kann keine Zahlung dafür gebucht werden.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWLogPaymentController.cpp" line="222"/>
        <source>This item was archived or deleted, so no payment can be logged for it.</source>
        <translation>Dieser Eintrag wurde archiviert oder gelöscht, daher kann keine Zahlung dafür gebucht werden.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWLogPaymentController.cpp" line="226"/>
        <source>The receipt file can&apos;t be found: %1</source>
        <translation>Die Belegdatei wurde nicht gefunden: %1</translation>
    </message>
    <message>
        <location filename="../src/screens/BWLogPaymentController.cpp" line="233"/>
        <source>The payment could not be saved, so nothing was logged. Check that the data folder can be written to.</source>
        <translation>Die Zahlung konnte nicht gespeichert werden, daher wurde nichts gebucht. Prüfen Sie, ob der Datenordner beschreibbar ist.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWLogPaymentController.cpp" line="247"/>
        <source>Enter the amount paid.</source>
        <translation>Geben Sie den gezahlten Betrag ein.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWLogPaymentController.cpp" line="252"/>
        <source>&quot;%1&quot; is not an amount. Enter the amount paid as a number.</source>
        <translation>„%1“ ist kein Betrag. Geben Sie den gezahlten Betrag als Zahl ein.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWLogPaymentController.cpp" line="256"/>
        <source>The amount paid can&apos;t be negative.</source>
        <translation>Der gezahlte Betrag darf nicht negativ sein.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWLogPaymentController.cpp" line="286"/>
        <source>Select Receipt</source>
        <translation>Beleg auswählen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWLogPaymentController.cpp" line="94"/>
        <source>Date Paid</source>
        <translation>Bezahlt am</translation>
    </message>
    <message>
        <location filename="../src/screens/BWLogPaymentController.cpp" line="96"/>
        <source>Amount Paid</source>
        <translation>Bezahlter Betrag</translation>
    </message>
    <message>
        <location filename="../src/screens/BWLogPaymentController.cpp" line="98"/>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
</context>
<context>
    <name>BWMainMenu</name>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="81"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="82"/>
        <source>New Bill</source>
        <translation>Neue Rechnung</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="84"/>
        <source>New Savings Goal</source>
        <translation>Neues Sparziel</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="87"/>
        <source>Export Payments as CSV…</source>
        <translation>Zahlungen als CSV exportieren …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="90"/>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="92"/>
        <source>Quit Orvane</source>
        <translation>Orvane beenden</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="98"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="99"/>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="101"/>
        <source>Preferences…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="108"/>
        <source>&amp;Bill</source>
        <translation>&amp;Rechnung</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="110"/>
        <source>Log Payment…</source>
        <translation>Zahlung buchen …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="111"/>
        <source>Log Partial Payment…</source>
        <translation>Teilzahlung buchen …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="113"/>
        <source>Quick Log</source>
        <translation>Schnell buchen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="115"/>
        <source>Skip Payment…</source>
        <translation>Zahlung überspringen …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="118"/>
        <source>Pay Now</source>
        <translation>Jetzt bezahlen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="120"/>
        <source>View Website</source>
        <translation>Website anzeigen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="123"/>
        <source>Edit…</source>
        <translation>Bearbeiten …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="124"/>
        <location filename="../src/shell/BWMainMenu.cpp" line="219"/>
        <source>Archive</source>
        <translation>Archivieren</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="126"/>
        <source>Delete…</source>
        <translation>Löschen …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="129"/>
        <source>Previous Bill</source>
        <translation>Vorherige Rechnung</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="131"/>
        <source>Next Bill</source>
        <translation>Nächste Rechnung</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="138"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="139"/>
        <source>Show Overview</source>
        <translation>Übersicht anzeigen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="142"/>
        <source>All Active Items</source>
        <translation>Alle aktiven Einträge</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="142"/>
        <source>Archived Bills</source>
        <translation>Archivierte Rechnungen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="142"/>
        <source>Due Soon</source>
        <translation>Bald fällig</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="143"/>
        <source>Due This Month</source>
        <translation>Diesen Monat fällig</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="143"/>
        <source>Paid This Month</source>
        <translation>Diesen Monat bezahlt</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="151"/>
        <source>Show Paydays on Overview</source>
        <translation>Zahltage in der Übersicht anzeigen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="154"/>
        <source>Forecast</source>
        <translation>Prognose</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="156"/>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="158"/>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="165"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="171"/>
        <source>Orvane Manual</source>
        <translation>Orvane-Handbuch</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="172"/>
        <source>Quick Start Guide</source>
        <translation>Schnellstart</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="174"/>
        <source>What&apos;s New in Orvane</source>
        <translation>Neu in Orvane</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="175"/>
        <source>Forecast Help</source>
        <translation>Hilfe zur Prognose</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="176"/>
        <source>Orvane Support</source>
        <translation>Orvane-Support</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="177"/>
        <source>Write to Support…</source>
        <translation>An den Support schreiben …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="178"/>
        <source>Sign Up for News</source>
        <translation>Newsletter abonnieren</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="181"/>
        <location filename="../src/shell/BWMainMenu.cpp" line="225"/>
        <source>About Orvane</source>
        <translation>Über Orvane</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="186"/>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="219"/>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainMenu.cpp" line="226"/>
        <source>Orvane keeps your recurring bills and income in order.</source>
        <translation>Orvane behält Ihre regelmäßigen Rechnungen und Einnahmen im Blick.</translation>
    </message>
</context>
<context>
    <name>BWMainWindow</name>
    <message>
        <location filename="../src/shell/BWMainWindow.cpp" line="205"/>
        <source>Orvane Keeps Running</source>
        <translation>Orvane läuft weiter</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMainWindow.cpp" line="205"/>
        <source>With no tray icon to open it again from, Orvane&apos;s window is minimised to the taskbar instead of closed, and reminders keep coming. Choose Quit to end Orvane.</source>
        <translation>Da es kein Symbol im Systembereich gibt, über das es sich wieder öffnen ließe, wird das Fenster von Orvane in die Taskleiste minimiert statt geschlossen, und die Erinnerungen kommen weiter. Wählen Sie „Beenden“, um Orvane zu beenden.</translation>
    </message>
</context>
<context>
    <name>BWMenulet</name>
    <message>
        <location filename="../src/shell/BWMenulet.cpp" line="127"/>
        <location filename="../src/shell/BWMenulet.cpp" line="370"/>
        <source>Orvane</source>
        <translation>Orvane</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMenulet.cpp" line="240"/>
        <source>Show Orvane</source>
        <translation>Orvane anzeigen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMenulet.cpp" line="242"/>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMenulet.cpp" line="354"/>
        <source>Quit Orvane</source>
        <translation>Orvane beenden</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMenulet.cpp" line="375"/>
        <source>Orvane: %1 due, some overdue</source>
        <translation>Orvane: %1 fällig, einige überfällig</translation>
    </message>
    <message>
        <location filename="../src/shell/BWMenulet.cpp" line="376"/>
        <source>Orvane: %1 due</source>
        <translation>Orvane: %1 fällig</translation>
    </message>
</context>
<context>
    <name>BWObjectController</name>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="69"/>
        <source>The Database Is In Use</source>
        <translation>Die Datenbank wird verwendet</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="70"/>
        <source>Another copy of Orvane is using the database %1. Quit it first; your data stays where it was.</source>
        <translation>Eine andere Kopie von Orvane verwendet die Datenbank %1. Beenden Sie sie zuerst; Ihre Daten bleiben, wo sie sind.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="84"/>
        <source>Select Location to Save Database</source>
        <translation>Speicherort für die Datenbank wählen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="84"/>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="88"/>
        <source>The folder could not be used</source>
        <translation>Der Ordner konnte nicht verwendet werden</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="88"/>
        <source>&quot;%1&quot; is not a folder Orvane can reach.</source>
        <translation>„%1“ ist kein Ordner, den Orvane erreichen kann.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="98"/>
        <source>The Database Was Not Moved</source>
        <translation>Die Datenbank wurde nicht verschoben</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="99"/>
        <source>Your data stays where it was. The chosen folder may already hold Orvane data, lie inside the data folder, or not be writable.</source>
        <translation>Ihre Daten bleiben, wo sie sind. Der gewählte Ordner enthält vielleicht schon Orvane-Daten, liegt im Datenordner oder ist nicht beschreibbar.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="104"/>
        <source>Database Moved</source>
        <translation>Datenbank verschoben</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="104"/>
        <source>Your data has been moved to the new location.</source>
        <translation>Ihre Daten wurden an den neuen Ort verschoben.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="109"/>
        <source>Select Folder Containing Database</source>
        <translation>Ordner mit der Datenbank wählen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="109"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="119"/>
        <source>The Database Was Not Opened</source>
        <translation>Die Datenbank wurde nicht geöffnet</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="119"/>
        <source>Orvane could not store its settings.</source>
        <translation>Orvane konnte seine Einstellungen nicht speichern.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="123"/>
        <source>Database Opened</source>
        <translation>Datenbank geöffnet</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="123"/>
        <source>Your data has been sucessfully loaded.</source>
        <translation>Ihre Daten wurden erfolgreich geladen.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="143"/>
        <source>The Usual Place Holds Other Bills</source>
        <translation>Am üblichen Ort liegen andere Rechnungen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="144"/>
        <source>The usual place already holds Orvane data that is not the data you use now. Orvane can keep that data aside in a folder beside it, where &quot;Open Database Elsewhere…&quot; finds it again, and move your data back.</source>
        <translation>Am üblichen Ort liegen bereits Orvane-Daten, die nicht die Daten sind, die Sie jetzt verwenden. Orvane kann diese Daten in einem Ordner daneben aufbewahren, wo „Datenbank an anderem Ort öffnen …“ sie wiederfindet, und Ihre Daten zurückverschieben.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="147"/>
        <source>Keep It Aside and Move Back</source>
        <translation>Beiseitelegen und zurückverschieben</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="147"/>
        <location filename="../src/shell/BWObjectController.cpp" line="173"/>
        <location filename="../src/shell/BWObjectController.cpp" line="189"/>
        <location filename="../src/shell/BWObjectController.cpp" line="221"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="158"/>
        <source>The Database Was Not Moved Back</source>
        <translation>Die Datenbank wurde nicht zurückverschoben</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="159"/>
        <source>Your data stays where it was. One of the two folders may not be writable.</source>
        <translation>Ihre Daten bleiben, wo sie sind. Einer der beiden Ordner ist vielleicht nicht beschreibbar.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="163"/>
        <source>Your data has been moved back to the default location.</source>
        <translation>Ihre Daten wurden an den Standardort zurückverschoben.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="164"/>
        <source>Database Reset</source>
        <translation>Datenbank zurückgesetzt</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="165"/>
        <source>The data that was there is kept in %1.</source>
        <translation>Die Daten, die dort lagen, werden in %1 aufbewahrt.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="171"/>
        <location filename="../src/shell/BWObjectController.cpp" line="181"/>
        <source>Select Dropbox Folder</source>
        <translation>Dropbox-Ordner auswählen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="172"/>
        <source>Turning on Sync will move your data to your Dropbox. You must select your Dropbox folder to continue.</source>
        <translation>Beim Einschalten der Synchronisation werden Ihre Daten in Ihre Dropbox verschoben. Wählen Sie Ihren Dropbox-Ordner, um fortzufahren.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="173"/>
        <source>Select Dropbox…</source>
        <translation>Dropbox auswählen …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="181"/>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="186"/>
        <source>Wrong Folder Selected</source>
        <translation>Falscher Ordner ausgewählt</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="187"/>
        <source>This doesn&apos;t appear to be your Dropbox folder. Make sure Dropbox is installed, and select the folder named Dropbox.</source>
        <translation>Dies scheint nicht Ihr Dropbox-Ordner zu sein. Stellen Sie sicher, dass Dropbox installiert ist, und wählen Sie den Ordner namens Dropbox.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="216"/>
        <source>Your data will be replaced by the backup Orvane made on %1. Everything entered since then is lost, and this cannot be undone.</source>
        <translation>Ihre Daten werden durch die Sicherung ersetzt, die Orvane am %1 angelegt hat. Alles, was Sie seitdem eingegeben haben, geht verloren; dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="218"/>
        <source>Orvane has no record of a backup yet. Your current data stays as it is unless one is found.</source>
        <translation>Orvane kennt noch keine Sicherung. Ihre aktuellen Daten bleiben, wie sie sind, sofern keine gefunden wird.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="220"/>
        <source>Restore the Backup of %1?</source>
        <translation>Die Sicherung vom %1 wiederherstellen?</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="220"/>
        <source>Restore Database</source>
        <translation>Datenbank wiederherstellen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="221"/>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="228"/>
        <source>Backup Restored</source>
        <translation>Sicherung wiederhergestellt</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="228"/>
        <source>Your data is back as it was on %1.</source>
        <translation>Ihre Daten sind wieder auf dem Stand vom %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="230"/>
        <source>The Database Was Not Restored</source>
        <translation>Die Datenbank wurde nicht wiederhergestellt</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="231"/>
        <source>There is no usable backup, or it could not be copied. Your data is as it was.</source>
        <translation>Es gibt keine verwendbare Sicherung, oder sie konnte nicht kopiert werden. Ihre Daten sind unverändert.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="246"/>
        <source>The Tag List Was Not Rebuilt</source>
        <translation>Die Schlagwortliste wurde nicht neu erstellt</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="246"/>
        <source>The tag list could not be written.</source>
        <translation>Die Schlagwortliste konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="254"/>
        <source>The Database Folder Could Not Be Shown</source>
        <translation>Der Datenbankordner konnte nicht angezeigt werden</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="304"/>
        <source>Quick Start Guide</source>
        <translation>Schnellstart</translation>
    </message>
    <message>
        <location filename="../src/shell/BWObjectController.cpp" line="309"/>
        <source>Migration Guide</source>
        <translation>Umstiegsanleitung</translation>
    </message>
</context>
<context>
    <name>BWOrvaneCloudLoginController</name>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController+Views.cpp" line="93"/>
        <source>Orvane Cloud</source>
        <translation>Orvane Cloud</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController+Views.cpp" line="105"/>
        <source>Sign in to keep your bills in step on all your computers.</source>
        <translation>Melden Sie sich an, um Ihre Rechnungen auf allen Ihren Computern abzugleichen.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController+Views.cpp" line="112"/>
        <source>name@example.com</source>
        <translation>name@beispiel.de</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController+Views.cpp" line="113"/>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController+Views.cpp" line="115"/>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController+Views.cpp" line="121"/>
        <source>Forgot Password?</source>
        <translation>Passwort vergessen?</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController+Views.cpp" line="122"/>
        <source>I Already Have an Account</source>
        <translation>Ich habe bereits ein Konto</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController+Views.cpp" line="123"/>
        <source>Use Another Address</source>
        <translation>Andere Adresse verwenden</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController+Views.cpp" line="144"/>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController+Views.cpp" line="145"/>
        <source>Sign In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController+Views.cpp" line="146"/>
        <source>Create Account</source>
        <translation>Konto erstellen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController+Views.cpp" line="147"/>
        <location filename="../src/shell/BWOrvaneCloudLoginController+Views.cpp" line="179"/>
        <source>About Orvane Cloud</source>
        <translation>Über Orvane Cloud</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController+Views.cpp" line="149"/>
        <location filename="../src/shell/BWOrvaneCloudLoginController+Views.cpp" line="184"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController+Views.cpp" line="171"/>
        <source>Signed in as</source>
        <translation>Angemeldet als</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController+Views.cpp" line="173"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController+Views.cpp" line="178"/>
        <source>Trouble Syncing?</source>
        <translation>Probleme beim Abgleich?</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController+Views.cpp" line="183"/>
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="488"/>
        <source>Sign Out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="225"/>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="225"/>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="306"/>
        <source>No Email Address</source>
        <translation>Keine E-Mail-Adresse</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="306"/>
        <source>Enter the email address of your Orvane Cloud account.</source>
        <translation>Geben Sie die E-Mail-Adresse Ihres Orvane-Cloud-Kontos ein.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="310"/>
        <source>Looking up your account…</source>
        <translation>Ihr Konto wird gesucht …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="347"/>
        <source>Account Not Found</source>
        <translation>Konto nicht gefunden</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="348"/>
        <source>We can&apos;t find an account with this email address.</source>
        <translation>Wir finden kein Konto mit dieser E-Mail-Adresse.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="370"/>
        <source>Signing In…</source>
        <translation>Anmeldung …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="380"/>
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="394"/>
        <source>Sign In Failed</source>
        <translation>Anmeldung fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="395"/>
        <source>The password is wrong, or this address has no account yet: try again, create the account, or have a reset link mailed.</source>
        <translation>Das Passwort ist falsch, oder zu dieser Adresse gibt es noch kein Konto: Versuchen Sie es erneut, erstellen Sie das Konto oder lassen Sie sich einen Link zum Zurücksetzen senden.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="397"/>
        <source>The password is wrong, or this address has no account: try again, or have a reset link mailed.</source>
        <translation>Das Passwort ist falsch, oder zu dieser Adresse gibt es kein Konto: Versuchen Sie es erneut oder lassen Sie sich einen Link zum Zurücksetzen senden.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="407"/>
        <source>Invalid Email Address</source>
        <translation>Ungültige E-Mail-Adresse</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="407"/>
        <source>Enter an email address such as name@example.com.</source>
        <translation>Geben Sie eine E-Mail-Adresse wie name@beispiel.de ein.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="413"/>
        <source>Password Too Short</source>
        <translation>Passwort zu kurz</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="414"/>
        <source>Choose a password of at least %n characters.</source>
        <translation>
            <numerusform>Wählen Sie ein Passwort mit mindestens %n Zeichen.</numerusform>
            <numerusform>Wählen Sie ein Passwort mit mindestens %n Zeichen.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="418"/>
        <source>Creating your account…</source>
        <translation>Ihr Konto wird erstellt …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="425"/>
        <source>Error Creating Account</source>
        <translation>Fehler beim Erstellen des Kontos</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="426"/>
        <source>Something went wrong. Please try again. If this error persists, contact customer support.</source>
        <translation>Etwas ist schiefgegangen. Bitte versuchen Sie es erneut. Wenn der Fehler bleibt, wenden Sie sich an den Kundensupport.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="451"/>
        <source>Sending…</source>
        <translation>Wird gesendet …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="457"/>
        <source>Password Reset Failed</source>
        <translation>Zurücksetzen des Passworts fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="461"/>
        <source>Message Sent</source>
        <translation>Nachricht gesendet</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="462"/>
        <source>If you have an account with this email address, a link to reset your password has been sent.</source>
        <translation>Falls Sie ein Konto mit dieser E-Mail-Adresse haben, wurde ein Link zum Zurücksetzen Ihres Passworts gesendet.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="486"/>
        <source>Really Sign Out?</source>
        <translation>Wirklich abmelden?</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="487"/>
        <source>Signing out will stop your bills from syncing.</source>
        <translation>Nach dem Abmelden werden Ihre Rechnungen nicht mehr abgeglichen.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController.cpp" line="488"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>BWOverviewBottomBar</name>
    <message>
        <location filename="../src/screens/BWOverviewBottomBar.cpp" line="80"/>
        <source>Log Payment</source>
        <translation>Zahlung buchen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewBottomBar.cpp" line="83"/>
        <source>Log Partial</source>
        <translation>Teilzahlung</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewBottomBar.cpp" line="87"/>
        <source>View</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewBottomBar.cpp" line="89"/>
        <source>Pay Now</source>
        <translation>Jetzt bezahlen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewBottomBar.cpp" line="112"/>
        <source>Orvane for phones cannot sync with this computer yet.</source>
        <translation>Orvane für Telefone kann sich noch nicht mit diesem Computer abgleichen.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewBottomBar.cpp" line="115"/>
        <source>Learn More</source>
        <translation>Mehr erfahren</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewBottomBar.cpp" line="116"/>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewBottomBar.cpp" line="159"/>
        <source>No bills yet: click “+ New Bill” above (or press Ctrl+N) to add your first bill.</source>
        <translation>Noch keine Rechnungen: Klicken Sie oben auf „+ Neue Rechnung“ (oder drücken Sie Strg+N), um Ihre erste Rechnung anzulegen.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewBottomBar.cpp" line="160"/>
        <source>Select a bill to view available actions.</source>
        <translation>Wählen Sie eine Rechnung, um die verfügbaren Aktionen zu sehen.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewBottomBar.cpp" line="229"/>
        <source>items selected. Estimated balance:</source>
        <translation>Einträge ausgewählt. Geschätzter Saldo:</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewBottomBar.cpp" line="229"/>
        <source>bills selected. Estimated amount due:</source>
        <translation>Rechnungen ausgewählt. Geschätzter fälliger Betrag:</translation>
    </message>
</context>
<context>
    <name>BWOverviewController</name>
    <message>
        <location filename="../src/screens/BWOverviewController+Actions.cpp" line="72"/>
        <source>Skip Payment</source>
        <translation>Zahlung überspringen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewController+Actions.cpp" line="89"/>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewController+Actions.cpp" line="89"/>
        <source>Archive</source>
        <translation>Archivieren</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewController+Actions.cpp" line="114"/>
        <source>Edit…</source>
        <translation>Bearbeiten …</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewController+Actions.cpp" line="117"/>
        <source>Delete…</source>
        <translation>Löschen …</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewController+Actions.cpp" line="121"/>
        <source>Export as CSV…</source>
        <translation>Als CSV exportieren …</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewController+Tags.cpp" line="24"/>
        <source>All Active Items</source>
        <translation>Alle aktiven Einträge</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewController+Tags.cpp" line="24"/>
        <source>Archived Bills</source>
        <translation>Archivierte Rechnungen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewController+Tags.cpp" line="26"/>
        <source>Due Soon</source>
        <translation>Bald fällig</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewController+Tags.cpp" line="26"/>
        <source>Due This Month</source>
        <translation>Diesen Monat fällig</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewController+Tags.cpp" line="26"/>
        <source>Paid This Month</source>
        <translation>Diesen Monat bezahlt</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewController+Views.cpp" line="54"/>
        <source>Bills</source>
        <translation>Rechnungen</translation>
    </message>
</context>
<context>
    <name>BWOverviewHeader</name>
    <message>
        <location filename="../src/screens/BWOverviewHeader.cpp" line="34"/>
        <source>+ New Bill</source>
        <translation>+ Neue Rechnung</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewHeader.cpp" line="36"/>
        <source>Add a bill</source>
        <translation>Rechnung hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewHeader.cpp" line="38"/>
        <source>+ Income</source>
        <translation>+ Einnahme</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewHeader.cpp" line="40"/>
        <source>Add an income item</source>
        <translation>Einnahme hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewHeader.cpp" line="53"/>
        <source>Show All</source>
        <translation>Alle anzeigen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewHeader.cpp" line="71"/>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewHeader.cpp" line="87"/>
        <source>Vacation mode</source>
        <translation>Urlaubsmodus</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewHeader.cpp" line="103"/>
        <source>Vacation mode is on</source>
        <translation>Urlaubsmodus ist an</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewHeader.cpp" line="103"/>
        <source>Vacation mode is off</source>
        <translation>Urlaubsmodus ist aus</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewHeader.cpp" line="35"/>
        <source>New Bill</source>
        <translation>Neue Rechnung</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewHeader.cpp" line="39"/>
        <source>New Income</source>
        <translation>Neue Einnahme</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewHeader.cpp" line="49"/>
        <source>Bills Shown</source>
        <translation>Angezeigte Rechnungen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewHeader.cpp" line="72"/>
        <source>Search Bills</source>
        <translation>Rechnungen durchsuchen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewHeader.cpp" line="88"/>
        <source>Vacation</source>
        <translation>Urlaub</translation>
    </message>
</context>
<context>
    <name>BWOverviewSidebar</name>
    <message>
        <location filename="../src/screens/BWOverviewSidebar.cpp" line="126"/>
        <source>DUE SOON</source>
        <translation>BALD FÄLLIG</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewSidebar.cpp" line="127"/>
        <source>DUE THIS MONTH</source>
        <translation>DIESEN MONAT FÄLLIG</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewSidebar.cpp" line="128"/>
        <source>PAID THIS MONTH</source>
        <translation>DIESEN MONAT BEZAHLT</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewSidebar.cpp" line="129"/>
        <source>INCOME THIS MONTH</source>
        <translation>MONATSEINNAHMEN</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewSidebar.cpp" line="130"/>
        <source>STILL DUE THIS MONTH</source>
        <translation>NOCH OFFEN</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewSidebar.cpp" line="165"/>
        <source>Switch between the expected and the current balance</source>
        <translation>Zwischen erwartetem und aktuellem Saldo wechseln</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewSidebar.cpp" line="173"/>
        <source>Income Sources…</source>
        <translation>Einkommensquellen …</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewSidebar.cpp" line="182"/>
        <source>TAGS</source>
        <translation>SCHLAGWÖRTER</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewSidebar.cpp" line="184"/>
        <source>Tags, separated by commas</source>
        <translation>Schlagwörter, durch Kommas getrennt</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewSidebar.cpp" line="199"/>
        <source>Tip: double-click a bill to open its page, or right-click it for more commands.</source>
        <translation>Tipp: Doppelklicken Sie auf eine Rechnung, um ihre Seite zu öffnen, oder klicken Sie mit der rechten Maustaste für weitere Befehle.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewSidebar.cpp" line="203"/>
        <source>Hide Tip</source>
        <translation>Tipp ausblenden</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewSidebar.cpp" line="400"/>
        <source>THIS MONTH: %1</source>
        <translation>DIESER MONAT: %1</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewSidebar.cpp" line="185"/>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewSidebar.cpp" line="31"/>
        <source>EXPECTED BALANCE</source>
        <translation>ERWARTETER SALDO</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewSidebar.cpp" line="32"/>
        <source>CURRENT BALANCE</source>
        <translation>AKTUELLER SALDO</translation>
    </message>
</context>
<context>
    <name>BWOverviewTableModel</name>
    <message>
        <location filename="../src/screens/BWOverviewTableModel.cpp" line="130"/>
        <source>Repeats: %1</source>
        <translation>Wiederholung: %1</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewTableModel.cpp" line="135"/>
        <source>Paid: %1</source>
        <translation>Zahlart: %1</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewTableModel.cpp" line="153"/>
        <source>No Due Date</source>
        <translation>Kein Fälligkeitsdatum</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewTableModel.cpp" line="158"/>
        <source>(adjusted for vacation)</source>
        <translation>(wegen Urlaub verschoben)</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewTableModel.cpp" line="162"/>
        <source>(adjusted for holiday)</source>
        <translation>(wegen Feiertag verschoben)</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewTableModel.cpp" line="166"/>
        <source>(adjusted for weekend)</source>
        <translation>(wegen Wochenende verschoben)</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewTableModel.cpp" line="174"/>
        <source>Archived</source>
        <translation>Archiviert</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewTableModel.cpp" line="191"/>
        <location filename="../src/screens/BWOverviewTableModel.cpp" line="197"/>
        <source>Not Set</source>
        <translation>Nicht festgelegt</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewTableModel.cpp" line="209"/>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewTableModel.cpp" line="210"/>
        <source>No Payments</source>
        <translation>Keine Zahlungen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewTableModel.cpp" line="293"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewTableModel.cpp" line="294"/>
        <source>Next Due</source>
        <translation>Nächste Fälligkeit</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewTableModel.cpp" line="295"/>
        <source>Average</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewTableModel.cpp" line="296"/>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewTableModel.cpp" line="297"/>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewTableModel.cpp" line="298"/>
        <source>Last Paid</source>
        <translation>Zuletzt bezahlt</translation>
    </message>
</context>
<context>
    <name>BWPasswordController</name>
    <message>
        <location filename="../src/shell/BWPasswordController.cpp" line="83"/>
        <source>Re-enter Password:</source>
        <translation>Passwort wiederholen:</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPasswordController.cpp" line="86"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPasswordController.cpp" line="87"/>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPasswordController.cpp" line="90"/>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPasswordController.cpp" line="156"/>
        <source>Save Password</source>
        <translation>Passwort speichern</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPasswordController.cpp" line="159"/>
        <source>Disable Password</source>
        <translation>Passwort deaktivieren</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPasswordController.cpp" line="162"/>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPasswordController.cpp" line="237"/>
        <source>Passwords Don&apos;t Match</source>
        <translation>Passwörter stimmen nicht überein</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPasswordController.cpp" line="237"/>
        <source>The passwords don&apos;t match. Please try again.</source>
        <translation>Die Passwörter stimmen nicht überein. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPasswordController.cpp" line="241"/>
        <location filename="../src/shell/BWPasswordController.cpp" line="250"/>
        <source>Password Not Saved</source>
        <translation>Passwort nicht gespeichert</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPasswordController.cpp" line="242"/>
        <source>The password could not be stored in the keyring. Make sure the keyring is running and unlocked, then try again.</source>
        <translation>Das Passwort konnte nicht im Schlüsselbund gespeichert werden. Stellen Sie sicher, dass der Schlüsselbund läuft und entsperrt ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPasswordController.cpp" line="250"/>
        <source>The password protection could not be turned on, as the settings could not be saved. Please try again.</source>
        <translation>Der Passwortschutz konnte nicht eingeschaltet werden, da die Einstellungen nicht gespeichert werden konnten. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPasswordController.cpp" line="269"/>
        <source>Password Not Removed</source>
        <translation>Passwort nicht entfernt</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPasswordController.cpp" line="270"/>
        <source>The password could not be removed from the keyring. Make sure the keyring is running and unlocked, then try again.</source>
        <translation>Das Passwort konnte nicht aus dem Schlüsselbund entfernt werden. Stellen Sie sicher, dass der Schlüsselbund läuft und entsperrt ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPasswordController.cpp" line="299"/>
        <source>Password Unavailable</source>
        <translation>Passwort nicht verfügbar</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPasswordController.cpp" line="300"/>
        <source>The password could not be read from the keyring. Make sure the keyring is running and unlocked, then try again.</source>
        <translation>Das Passwort konnte nicht aus dem Schlüsselbund gelesen werden. Stellen Sie sicher, dass der Schlüsselbund läuft und entsperrt ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPasswordController.cpp" line="307"/>
        <source>Incorrect Password</source>
        <translation>Falsches Passwort</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPasswordController.cpp" line="307"/>
        <source>Incorrect password. Please try again.</source>
        <translation>Falsches Passwort. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPasswordController.cpp" line="333"/>
        <source>Password Not Found</source>
        <translation>Passwort nicht gefunden</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPasswordController.cpp" line="334"/>
        <source>The password that protected Orvane was not found in the keyring, so password protection is now off. You can set a new password in the Preferences.</source>
        <translation>Das Passwort, das Orvane schützte, wurde im Schlüsselbund nicht gefunden; der Passwortschutz ist daher jetzt aus. Sie können in den Einstellungen ein neues Passwort festlegen.</translation>
    </message>
</context>
<context>
    <name>BWPasswordLock</name>
    <message>
        <location filename="../src/shell/BWPasswordLock.cpp" line="12"/>
        <source>Disable Password Protection</source>
        <translation>Passwortschutz ausschalten</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPasswordLock.cpp" line="13"/>
        <source>Enable Password Protection</source>
        <translation>Passwortschutz einschalten</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPasswordLock.cpp" line="17"/>
        <source>Enabled</source>
        <translation>Eingeschaltet</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPasswordLock.cpp" line="18"/>
        <source>Disabled</source>
        <translation>Ausgeschaltet</translation>
    </message>
</context>
<context>
    <name>BWPaymentLogger</name>
    <message>
        <location filename="../src/store/BWPaymentLogger+Receipts.cpp" line="19"/>
        <source>Attach Receipt</source>
        <translation>Beleg anhängen</translation>
    </message>
    <message>
        <location filename="../src/store/BWPaymentLogger+Receipts.cpp" line="20"/>
        <source>Attach</source>
        <translation>Anhängen</translation>
    </message>
</context>
<context>
    <name>BWPhoneSync</name>
    <message>
        <location filename="../src/sync/BWPhoneSync.cpp" line="97"/>
        <source>Turn Off Sync</source>
        <translation>Synchronisation ausschalten</translation>
    </message>
    <message>
        <location filename="../src/sync/BWPhoneSync.cpp" line="116"/>
        <source>Orvane for phones exchanges no bills with this computer yet.</source>
        <translation>Orvane für Telefone tauscht noch keine Rechnungen mit diesem Computer aus.</translation>
    </message>
    <message>
        <location filename="../src/sync/BWPhoneSync.cpp" line="162"/>
        <source>Turn On Sync</source>
        <translation>Synchronisation einschalten</translation>
    </message>
</context>
<context>
    <name>BWPreferencePanes</name>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="123"/>
        <source>%1 (the file is made with the first calendar reminder)</source>
        <translation>%1 (die Datei entsteht mit der ersten Kalendererinnerung)</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="130"/>
        <source>Start Orvane when I log in</source>
        <translation>Orvane bei der Anmeldung starten</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="132"/>
        <source>Show Orvane</source>
        <translation>Orvane anzeigen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="133"/>
        <source>Show Orvane in:</source>
        <translation>Orvane anzeigen in:</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="133"/>
        <source>Taskbar and tray</source>
        <translation>Taskleiste und Systembereich</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="133"/>
        <source>Tray only</source>
        <translation>Nur Systembereich</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="134"/>
        <source>Taskbar only</source>
        <translation>Nur Taskleiste</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="135"/>
        <source>Takes effect the next time Orvane starts.</source>
        <translation>Wirkt beim nächsten Start von Orvane.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="136"/>
        <source>Show the number of bills due soon in the tray</source>
        <translation>Anzahl der bald fälligen Rechnungen im Systembereich zeigen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="138"/>
        <source>Colour the tray icon by the most urgent bill</source>
        <translation>Symbol im Systembereich nach der dringendsten Rechnung färben</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="141"/>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="390"/>
        <source>Overview</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="142"/>
        <source>Bills count as due soon within:</source>
        <translation>Rechnungen gelten als bald fällig innerhalb von:</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="143"/>
        <source>Columns shown:</source>
        <translation>Angezeigte Spalten:</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="143"/>
        <source>Average</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="144"/>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="145"/>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="146"/>
        <source>Last Paid</source>
        <translation>Zuletzt bezahlt</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="148"/>
        <source>Pay Sites</source>
        <translation>Zahlseiten</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="148"/>
        <source>Open pay sites inside Orvane</source>
        <translation>Zahlseiten in Orvane öffnen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="157"/>
        <source>Password Protection</source>
        <translation>Passwortschutz</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="157"/>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="174"/>
        <source>Choose…</source>
        <translation>Wählen …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="176"/>
        <source>Shared Sync Folder</source>
        <translation>Gemeinsamer Synchronisationsordner</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="176"/>
        <source>Choose</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="180"/>
        <source>The shared folder could not be stored.</source>
        <translation>Der gemeinsame Ordner konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="208"/>
        <source>Sync Between Computers</source>
        <translation>Abgleich zwischen Computern</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="209"/>
        <source>Keep my bills in step on all my computers</source>
        <translation>Meine Rechnungen auf allen meinen Computern abgleichen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="212"/>
        <source>Shared folder:</source>
        <translation>Gemeinsamer Ordner:</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="213"/>
        <source>A folder that Syncthing, Nextcloud or Dropbox keeps the same on each computer. Takes effect the next time Orvane starts.</source>
        <translation>Ein Ordner, den Syncthing, Nextcloud oder Dropbox auf jedem Computer gleich hält. Wirkt beim nächsten Start von Orvane.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="219"/>
        <source>Your bills are kept in:</source>
        <translation>Ihre Rechnungen liegen in:</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="222"/>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="252"/>
        <source>Database</source>
        <translation>Datenbank</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="233"/>
        <source>Move Database…</source>
        <translation>Datenbank verschieben …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="234"/>
        <source>Open Database Elsewhere…</source>
        <translation>Datenbank an anderem Ort öffnen …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="235"/>
        <source>Keep Database in Dropbox…</source>
        <translation>Datenbank in Dropbox führen …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="236"/>
        <source>Get a Dropbox Account…</source>
        <translation>Dropbox-Konto anlegen …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="237"/>
        <source>Move Back to the Usual Place</source>
        <translation>Zurück an den üblichen Ort</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="238"/>
        <source>Restore Yesterday&apos;s Backup…</source>
        <translation>Sicherung von gestern wiederherstellen …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="259"/>
        <source>Turn On Sync</source>
        <translation>Synchronisation einschalten</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="265"/>
        <source>Orvane for phones:</source>
        <translation>Orvane für Telefone:</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="269"/>
        <source>Delete iCloud Data…</source>
        <translation>iCloud-Daten löschen …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="272"/>
        <source>Older sync:</source>
        <translation>Ältere Synchronisation:</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="274"/>
        <source>Other Sync</source>
        <translation>Weitere Synchronisation</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="280"/>
        <source> days before</source>
        <translation> Tage vorher</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="282"/>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="283"/>
        <source>Show reminders as desktop notifications</source>
        <translation>Erinnerungen als Desktop-Benachrichtigungen zeigen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="284"/>
        <source>Also add reminders to my calendar</source>
        <translation>Erinnerungen auch in meinen Kalender eintragen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="285"/>
        <source>Calendar:</source>
        <translation>Kalender:</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="286"/>
        <source>Remind me at:</source>
        <translation>Erinnern um:</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="287"/>
        <source>New Bills</source>
        <translation>Neue Rechnungen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="288"/>
        <source>Turn reminders on for new bills</source>
        <translation>Erinnerungen für neue Rechnungen einschalten</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="289"/>
        <source>Remind me:</source>
        <translation>Erinnern:</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="291"/>
        <source>name@example.com</source>
        <translation>name@beispiel.de</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="292"/>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="292"/>
        <source>E-mail address for reminders:</source>
        <translation>E-Mail-Adresse für Erinnerungen:</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="316"/>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="324"/>
        <source>To see these reminders in a calendar program, subscribe to this file there (in Thunderbird: New Calendar, On the Network, the file&apos;s location).</source>
        <translation>Um diese Erinnerungen in einem Kalenderprogramm zu sehen, abonnieren Sie dort diese Datei (in Thunderbird: Neuer Kalender, Im Netzwerk, Speicherort der Datei).</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="328"/>
        <source>Calendar File</source>
        <translation>Kalenderdatei</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="334"/>
        <source>Trumpet</source>
        <translation>Trompete</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="334"/>
        <source>Rings</source>
        <translation>Klingeln</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="334"/>
        <source>Swell</source>
        <translation>Anschwellen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="334"/>
        <source>Cheers</source>
        <translation>Jubel</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="334"/>
        <source>A random cheer</source>
        <translation>Zufälliger Jubel</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="341"/>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="349"/>
        <source>Sounds</source>
        <translation>Töne</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="350"/>
        <source>Play a sound after a payment is logged</source>
        <translation>Nach dem Buchen einer Zahlung einen Ton abspielen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="351"/>
        <source>Sound:</source>
        <translation>Ton:</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="353"/>
        <source>Payments</source>
        <translation>Zahlungen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="354"/>
        <source>Log automatic bills when they fall due</source>
        <translation>Automatische Rechnungen bei Fälligkeit buchen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="355"/>
        <source>Leave automatic bills out of the due-soon count</source>
        <translation>Automatische Rechnungen nicht zu den bald fälligen zählen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="356"/>
        <source>Archive one-time bills once they are paid</source>
        <translation>Einmalige Rechnungen nach der Zahlung archivieren</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="363"/>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="364"/>
        <source>Keep track of income</source>
        <translation>Einnahmen erfassen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="365"/>
        <source>Show paydays on the overview</source>
        <translation>Zahltage in der Übersicht zeigen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="366"/>
        <source>Log income automatically when it is due</source>
        <translation>Einnahmen bei Fälligkeit automatisch buchen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="372"/>
        <source>Due Dates</source>
        <translation>Fälligkeitsdaten</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="373"/>
        <source>Move due dates that fall on days off</source>
        <translation>Fälligkeiten an freien Tagen verschieben</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="374"/>
        <source>Avoid weekends</source>
        <translation>Wochenenden meiden</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="375"/>
        <source>Avoid holidays</source>
        <translation>Feiertage meiden</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="377"/>
        <source>Overview and Forecast</source>
        <translation>Übersicht und Prognose</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="378"/>
        <source>Under each bill&apos;s name:</source>
        <translation>Unter dem Namen jeder Rechnung:</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="379"/>
        <source>Repeat</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="379"/>
        <source>Payment method</source>
        <translation>Zahlart</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="379"/>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="379"/>
        <source>Nothing</source>
        <translation>Nichts</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="380"/>
        <source>Button beside the actions menu:</source>
        <translation>Schaltfläche neben dem Aktionsmenü:</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="381"/>
        <source>Hide bills paid automatically</source>
        <translation>Automatisch bezahlte Rechnungen ausblenden</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="382"/>
        <source>Estimate amounts that vary</source>
        <translation>Schwankende Beträge schätzen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="383"/>
        <source>Include savings goals in the forecast</source>
        <translation>Sparziele in die Prognose einbeziehen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="384"/>
        <source>Suggest bill names while editing</source>
        <translation>Beim Bearbeiten Rechnungsnamen vorschlagen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="387"/>
        <source>Reload Overview</source>
        <translation>Übersicht neu laden</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="402"/>
        <source>The bill&apos;s last action</source>
        <translation>Die letzte Aktion der Rechnung</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="422"/>
        <source>Start at Login Not Changed</source>
        <translation>Start bei Anmeldung nicht geändert</translation>
    </message>
    <message>
        <location filename="../src/shell/BWPreferencePanes.cpp" line="423"/>
        <source>The login entry could not be written. Please try again.</source>
        <translation>Der Anmeldeeintrag konnte nicht geschrieben werden. Bitte versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>BWQtWebPage</name>
    <message>
        <location filename="../src/webengine/BWQtWebPage.cpp" line="69"/>
        <source>its process ended with code %1</source>
        <translation>sein Prozess endete mit Code %1</translation>
    </message>
    <message>
        <location filename="../src/webengine/BWQtWebPage.cpp" line="72"/>
        <source>its process crashed</source>
        <translation>sein Prozess ist abgestürzt</translation>
    </message>
    <message>
        <location filename="../src/webengine/BWQtWebPage.cpp" line="75"/>
        <source>its process was killed</source>
        <translation>sein Prozess wurde beendet</translation>
    </message>
</context>
<context>
    <name>BWReminderManager</name>
    <message>
        <location filename="../src/shell/BWReminderMaker.cpp" line="19"/>
        <source>Pay %1</source>
        <translation>%1 bezahlen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWReminderMaker.cpp" line="60"/>
        <source>Bill is due on %1</source>
        <translation>Rechnung fällig am %1</translation>
    </message>
    <message>
        <location filename="../src/shell/BWReminderMaker.cpp" line="63"/>
        <source>View</source>
        <translation>Anzeigen</translation>
    </message>
</context>
<context>
    <name>BWReportController</name>
    <message>
        <location filename="../src/screens/BWReportController.cpp" line="57"/>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <location filename="../src/screens/BWReportController.cpp" line="65"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../src/screens/BWReportController.cpp" line="66"/>
        <location filename="../src/screens/BWReportController.cpp" line="92"/>
        <source>Payments</source>
        <translation>Zahlungen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWReportController.cpp" line="67"/>
        <location filename="../src/screens/BWReportController.cpp" line="96"/>
        <source>Average</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <location filename="../src/screens/BWReportController.cpp" line="68"/>
        <location filename="../src/screens/BWReportController.cpp" line="93"/>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <location filename="../src/screens/BWReportController.cpp" line="91"/>
        <source>Bills</source>
        <translation>Rechnungen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWReportController.cpp" line="95"/>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <location filename="../src/screens/BWReportController.cpp" line="277"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>BWStartup</name>
    <message>
        <location filename="../src/shell/BWStartup.cpp" line="241"/>
        <source>This Desktop Shows No Tray</source>
        <translation>Dieser Desktop hat keinen Systembereich</translation>
    </message>
    <message>
        <location filename="../src/shell/BWStartup.cpp" line="242"/>
        <source>Orvane is set to show in the tray only, but this desktop has no tray. Its window stays open instead, and closing it minimises it to the taskbar.</source>
        <translation>Orvane soll nur im Systembereich erscheinen, aber dieser Desktop hat keinen. Sein Fenster bleibt daher offen, und beim Schließen wird es in die Taskleiste minimiert.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWStartup.cpp" line="403"/>
        <source>Really Quit Orvane?</source>
        <translation>Orvane wirklich beenden?</translation>
    </message>
    <message>
        <location filename="../src/shell/BWStartup.cpp" line="405"/>
        <source>Do you want to quit Orvane (and close the menu bar), or just close the main window?</source>
        <translation>Möchten Sie Orvane beenden (und das Menü im Systembereich schließen) oder nur das Hauptfenster schließen?</translation>
    </message>
    <message>
        <location filename="../src/shell/BWStartup.cpp" line="406"/>
        <source>Close the Main Window</source>
        <translation>Hauptfenster schließen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWStartup.cpp" line="407"/>
        <source>Quit Orvane Completely</source>
        <translation>Orvane ganz beenden</translation>
    </message>
    <message>
        <location filename="../src/shell/BWStartup.cpp" line="380"/>
        <source>Reminders Could Not Be Saved</source>
        <translation>Erinnerungen konnten nicht gespeichert werden</translation>
    </message>
    <message>
        <location filename="../src/shell/BWStartup.cpp" line="381"/>
        <source>Orvane could not save its reminder notifications (%1). They show while Orvane runs, but may not show after it starts again.</source>
        <translation>Orvane konnte seine Erinnerungen nicht speichern (%1). Sie erscheinen, solange Orvane läuft, nach einem Neustart aber vielleicht nicht mehr.</translation>
    </message>
</context>
<context>
    <name>BWStatisticsCalculator</name>
    <message>
        <location filename="../src/store/BWStatisticsCalculator.cpp" line="154"/>
        <source>No Payments Yet</source>
        <translation>Noch keine Zahlungen</translation>
    </message>
</context>
<context>
    <name>BWSyncControls</name>
    <message>
        <location filename="../src/shell/BWSyncControls.cpp" line="27"/>
        <source>Sync Now</source>
        <translation>Jetzt abgleichen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWSyncControls.cpp" line="35"/>
        <source>Bring your devices in step now</source>
        <translation>Ihre Geräte jetzt abgleichen</translation>
    </message>
</context>
<context>
    <name>BWSyncProgressController</name>
    <message>
        <location filename="../src/shell/BWSyncProgressController.cpp" line="21"/>
        <source>Syncing</source>
        <translation>Abgleich läuft</translation>
    </message>
    <message>
        <location filename="../src/shell/BWSyncProgressController.cpp" line="24"/>
        <source>Syncing with Orvane for phones…</source>
        <translation>Abgleich mit Orvane für Telefone …</translation>
    </message>
</context>
<context>
    <name>BWUpdateHelper</name>
    <message>
        <location filename="../src/shell/BWUpdateHelper.cpp" line="23"/>
        <source>Check for Updates…</source>
        <translation>Nach Aktualisierungen suchen …</translation>
    </message>
</context>
<context>
    <name>BWVacationPopover</name>
    <message>
        <location filename="../src/screens/BWVacationPopover.cpp" line="21"/>
        <source>Vacation</source>
        <translation>Urlaub</translation>
    </message>
    <message>
        <location filename="../src/screens/BWVacationPopover.cpp" line="25"/>
        <source>Vacation mode</source>
        <translation>Urlaubsmodus</translation>
    </message>
    <message>
        <location filename="../src/screens/BWVacationPopover.cpp" line="26"/>
        <source>Due dates within your vacation move to the day before it starts.</source>
        <translation>Fälligkeiten in Ihrem Urlaub rücken auf den Tag vor Urlaubsbeginn.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWVacationPopover.cpp" line="34"/>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <location filename="../src/screens/BWVacationPopover.cpp" line="35"/>
        <source>Until:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <location filename="../src/screens/BWVacationPopover.cpp" line="36"/>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>BWVersion7ImportWindow</name>
    <message>
        <location filename="../src/shell/BWVersion7ImportWindow.cpp" line="13"/>
        <source>Orvane 7 Import Options</source>
        <translation>Importoptionen für Orvane 7</translation>
    </message>
    <message>
        <location filename="../src/shell/BWVersion7ImportWindow.cpp" line="15"/>
        <source>Import the bills, archived bills and receipts that Orvane 7 kept in your home folder, or keep your bills in step on all your computers.</source>
        <translation>Importieren Sie die Rechnungen, archivierten Rechnungen und Belege, die Orvane 7 in Ihrem Benutzerordner abgelegt hat, oder gleichen Sie Ihre Rechnungen auf allen Ihren Computern ab.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWVersion7ImportWindow.cpp" line="21"/>
        <source>Import from Home Folder…</source>
        <translation>Aus dem Benutzerordner importieren …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWVersion7ImportWindow.cpp" line="26"/>
        <source>Keep my bills in step on all my computers</source>
        <translation>Meine Rechnungen auf allen meinen Computern abgleichen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWVersion7ImportWindow.cpp" line="31"/>
        <source>Re-Import at Next Start…</source>
        <translation>Beim nächsten Start erneut importieren …</translation>
    </message>
</context>
<context>
    <name>BWWebEngine</name>
    <message>
        <location filename="../src/webengine/BWWebEngineModule.cpp" line="59"/>
        <source>Its helper program %1 is missing.</source>
        <translation>Sein Hilfsprogramm %1 fehlt.</translation>
    </message>
</context>
<context>
    <name>BWWebEngineLoader</name>
    <message>
        <location filename="../src/screens/BWWebEngineLoader.cpp" line="77"/>
        <source>Its module could not be loaded (%1).</source>
        <translation>Sein Modul konnte nicht geladen werden (%1).</translation>
    </message>
    <message>
        <location filename="../src/screens/BWWebEngineLoader.cpp" line="83"/>
        <source>Its module has no entry point (%1).</source>
        <translation>Sein Modul hat keinen Einstiegspunkt (%1).</translation>
    </message>
    <message>
        <location filename="../src/screens/BWWebEngineLoader.cpp" line="102"/>
        <source>Save “%1” in your Downloads folder?</source>
        <translation>„%1“ in Ihrem Download-Ordner speichern?</translation>
    </message>
    <message>
        <location filename="../src/screens/BWWebEngineLoader.cpp" line="105"/>
        <source>The pay site sent a file. It goes to %1.</source>
        <translation>Die Zahlseite hat eine Datei gesendet. Sie wird in %1 abgelegt.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWWebEngineLoader.cpp" line="107"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../src/screens/BWWebEngineLoader.cpp" line="108"/>
        <source>Don&apos;t Save</source>
        <translation>Nicht speichern</translation>
    </message>
</context>
<context>
    <name>BWWebPane</name>
    <message>
        <location filename="../src/screens/BWWebPane.cpp" line="29"/>
        <source>Not opened: %1 is not a web page (only http and https addresses open here)</source>
        <translation>Nicht geöffnet: %1 ist keine Webseite (hier öffnen nur http- und https-Adressen)</translation>
    </message>
    <message>
        <location filename="../src/screens/BWWebPane.cpp" line="35"/>
        <source>Stopped: the certificate of %1 is not valid (%2)</source>
        <translation>Angehalten: Das Zertifikat von %1 ist nicht gültig (%2)</translation>
    </message>
    <message>
        <location filename="../src/screens/BWWebPane.cpp" line="46"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location filename="../src/screens/BWWebPane.cpp" line="47"/>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <location filename="../src/screens/BWWebPane.cpp" line="48"/>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <location filename="../src/screens/BWWebPane.cpp" line="58"/>
        <source>Open in Browser</source>
        <translation>Im Browser öffnen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWWebPane.cpp" line="59"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWWebPane.cpp" line="133"/>
        <source>This copy of Orvane has no web engine.</source>
        <translation>Diese Kopie von Orvane hat keine Web-Engine.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWWebPane.cpp" line="135"/>
        <source>The built-in browser could not start. %1
Pay sites open in your web browser instead.</source>
        <translation>Der eingebaute Browser konnte nicht starten. %1
Zahlseiten öffnen sich stattdessen in Ihrem Webbrowser.</translation>
    </message>
    <message>
        <location filename="../src/screens/BWWebPane.cpp" line="187"/>
        <location filename="../src/screens/BWWebPane.cpp" line="248"/>
        <source>The page stopped: %1</source>
        <translation>Die Seite wurde angehalten: %1</translation>
    </message>
</context>
<context>
    <name>BWWelcomeFlow</name>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="64"/>
        <source>Last Backed Up: </source>
        <translation>Zuletzt gesichert: </translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="133"/>
        <source>Nothing to Import</source>
        <translation>Nichts zu importieren</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="133"/>
        <source>No Orvane 7 bills were found.</source>
        <translation>Es wurden keine Rechnungen von Orvane 7 gefunden.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="190"/>
        <source>Select Home Folder</source>
        <translation>Benutzerordner auswählen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="190"/>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="255"/>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="197"/>
        <source>No Orvane 7 Data Found</source>
        <translation>Keine Daten von Orvane 7 gefunden</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="198"/>
        <source>This home folder holds no Orvane 7 data folder.</source>
        <translation>Dieser Benutzerordner enthält keinen Datenordner von Orvane 7.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="211"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="237"/>
        <source>Database</source>
        <translation>Datenbank</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="239"/>
        <source>Restore Backup…</source>
        <translation>Sicherung wiederherstellen …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="241"/>
        <source>Show Database Folder</source>
        <translation>Datenbankordner anzeigen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="242"/>
        <source>Move Database…</source>
        <translation>Datenbank verschieben …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="243"/>
        <source>Open Database Elsewhere…</source>
        <translation>Datenbank an anderem Ort öffnen …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="244"/>
        <source>Keep Database in Dropbox…</source>
        <translation>Datenbank in Dropbox führen …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="245"/>
        <source>Move Database Back to Its Usual Place</source>
        <translation>Datenbank an ihren üblichen Ort zurückverschieben</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="252"/>
        <source>Compact Database</source>
        <translation>Datenbank komprimieren</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="253"/>
        <source>Rebuild Tag List</source>
        <translation>Schlagwortliste neu erstellen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="256"/>
        <source>Orvane 4 Data…</source>
        <translation>Daten von Orvane 4 …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="257"/>
        <source>Orvane 4 Data from a Folder…</source>
        <translation>Daten von Orvane 4 aus einem Ordner …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="260"/>
        <source>Orvane 7 Import Options…</source>
        <translation>Importoptionen für Orvane 7 …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="270"/>
        <source>Guides and Help Pages</source>
        <translation>Anleitungen und Hilfeseiten</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="272"/>
        <source>Orvane Manual</source>
        <translation>Orvane-Handbuch</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="273"/>
        <source>User Manual</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="274"/>
        <source>What&apos;s New</source>
        <translation>Neuigkeiten</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="275"/>
        <source>Forecast Help</source>
        <translation>Hilfe zur Prognose</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="276"/>
        <source>Sync Help</source>
        <translation>Hilfe zum Abgleich</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="277"/>
        <source>E-mail Reminders</source>
        <translation>E-Mail-Erinnerungen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="278"/>
        <source>Orvane for Phones</source>
        <translation>Orvane für Telefone</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="279"/>
        <source>Report a Bug</source>
        <translation>Fehler melden</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="286"/>
        <source>Support Site</source>
        <translation>Support-Website</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="288"/>
        <source>Quick Start Guide</source>
        <translation>Schnellstart</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeFlow.cpp" line="289"/>
        <source>Migration Guide</source>
        <translation>Umstiegsanleitung</translation>
    </message>
</context>
<context>
    <name>BWWelcomeSheet</name>
    <message>
        <location filename="../src/shell/BWWelcomeSheet.cpp" line="47"/>
        <location filename="../src/shell/BWWelcomeSheet.cpp" line="63"/>
        <source>Welcome to Orvane</source>
        <translation>Willkommen bei Orvane</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeSheet.cpp" line="69"/>
        <source>Orvane keeps your recurring bills and income in order: when each falls due, what you paid, and what is coming up. It reminds you before a bill is due and backs up your data every day.</source>
        <translation>Orvane behält Ihre regelmäßigen Rechnungen und Einnahmen im Blick: wann jede fällig ist, was Sie bezahlt haben und was ansteht. Es erinnert Sie vor der Fälligkeit einer Rechnung und sichert Ihre Daten jeden Tag.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeSheet.cpp" line="74"/>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeSheet.cpp" line="83"/>
        <source>Orvane for phones is on its way. Sign up to hear when you can keep your bills with you.</source>
        <translation>Orvane für Telefone ist unterwegs. Melden Sie sich an, um zu erfahren, wann Sie Ihre Rechnungen immer dabeihaben können.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeSheet.cpp" line="87"/>
        <source>Not Now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeSheet.cpp" line="88"/>
        <source>Sign Up and Continue</source>
        <translation>Anmelden und fortfahren</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeSheet.cpp" line="98"/>
        <source>Used Orvane 7 before? Orvane can take over its bills, with their payments and reminders.</source>
        <translation>Haben Sie bisher Orvane 7 verwendet? Orvane kann dessen Rechnungen mit ihren Zahlungen und Erinnerungen übernehmen.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeSheet.cpp" line="99"/>
        <source>Import Orvane 7 Bills</source>
        <translation>Rechnungen von Orvane 7 importieren</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeSheet.cpp" line="101"/>
        <source>More Import Options…</source>
        <translation>Weitere Importoptionen …</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWelcomeSheet.cpp" line="104"/>
        <source>Start Using Orvane</source>
        <translation>Orvane verwenden</translation>
    </message>
</context>
<context>
    <name>BWWindowController</name>
    <message>
        <location filename="../src/shell/BWWindowController.cpp" line="80"/>
        <source>Show Overview</source>
        <translation>Übersicht anzeigen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWindowController.cpp" line="82"/>
        <source>Pay Bill</source>
        <translation>Rechnung bezahlen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWindowController.cpp" line="83"/>
        <source>Log Payment</source>
        <translation>Zahlung buchen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWindowController.cpp" line="84"/>
        <source>Quick Log</source>
        <translation>Schnell buchen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWindowController.cpp" line="86"/>
        <source>Skip Payment</source>
        <translation>Zahlung überspringen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWWindowController.cpp" line="53"/>
        <location filename="../src/shell/BWWindowController.cpp" line="54"/>
        <source>Orvane</source>
        <translation>Orvane</translation>
    </message>
</context>
<context>
    <name>LRCalendarView</name>
    <message>
        <location filename="../src/widgets/LRCalendarView.cpp" line="84"/>
        <source>Previous Month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <location filename="../src/widgets/LRCalendarView.cpp" line="85"/>
        <source>Next Month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <location filename="../src/widgets/LRCalendarView.cpp" line="86"/>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <location filename="../src/widgets/LRCalendarView.cpp" line="86"/>
        <source>Current Month</source>
        <translation>Aktueller Monat</translation>
    </message>
    <message>
        <location filename="../src/widgets/LRCalendarView.cpp" line="88"/>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <location filename="../src/widgets/LRCalendarView.cpp" line="88"/>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <location filename="../src/widgets/LRCalendarView.cpp" line="88"/>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <location filename="../src/widgets/LRCalendarView.cpp" line="88"/>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <location filename="../src/widgets/LRCalendarView.cpp" line="88"/>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <location filename="../src/widgets/LRCalendarView.cpp" line="88"/>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <location filename="../src/widgets/LRCalendarView.cpp" line="88"/>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
</context>
<context>
    <name>MGPreferencePanel</name>
    <message>
        <location filename="../src/shell/MGPreferencePanel.cpp" line="26"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location filename="../src/shell/MGPreferencePanel.cpp" line="27"/>
        <source>Sync</source>
        <translation>Abgleich</translation>
    </message>
    <message>
        <location filename="../src/shell/MGPreferencePanel.cpp" line="29"/>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <location filename="../src/shell/MGPreferencePanel.cpp" line="31"/>
        <source>Logging</source>
        <translation>Buchen</translation>
    </message>
    <message>
        <location filename="../src/shell/MGPreferencePanel.cpp" line="33"/>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <location filename="../src/shell/MGPreferencePanel.cpp" line="34"/>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/screens/BWBillDetailViewController.cpp" line="64"/>
        <source>Choose a Receipt</source>
        <translation>Beleg wählen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="49"/>
        <source>Every Week</source>
        <translation>Jede Woche</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="49"/>
        <source>Twice a Month</source>
        <translation>Zweimal im Monat</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="49"/>
        <source>Every Month</source>
        <translation>Jeden Monat</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="50"/>
        <source>Every 3 Months</source>
        <translation>Alle 3 Monate</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="50"/>
        <source>Every 6 Months</source>
        <translation>Alle 6 Monate</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="50"/>
        <source>Every Year</source>
        <translation>Jedes Jahr</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="51"/>
        <source>Custom…</source>
        <translation>Benutzerdefiniert …</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="51"/>
        <source>Never (One Time)</source>
        <translation>Nie (einmalig)</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="51"/>
        <source>Every 2 Months</source>
        <translation>Alle 2 Monate</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="52"/>
        <source>Every 2 Weeks</source>
        <translation>Alle 2 Wochen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="60"/>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="60"/>
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="60"/>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="61"/>
        <source>Phone</source>
        <translation>Phone</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="69"/>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="70"/>
        <source>Weeks</source>
        <translation>Wochen</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="71"/>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <location filename="../src/screens/BWBillEditorController+Views.cpp" line="75"/>
        <source>Quarterly tax dates</source>
        <translation>Quarterly tax dates</translation>
    </message>
    <message>
        <location filename="../src/screens/BWOverviewController+Actions.cpp" line="32"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/shell/BWOrvaneCloudLoginController+Views.cpp" line="39"/>
        <source>Orvane Cloud</source>
        <translation>Orvane Cloud</translation>
    </message>
    <message>
        <location filename="../src/shell/BWUserInteraction.cpp" line="59"/>
        <source>No Web Browser Could Be Started</source>
        <translation>Es konnte kein Webbrowser gestartet werden</translation>
    </message>
    <message>
        <location filename="../src/shell/BWUserInteraction.cpp" line="61"/>
        <source>Orvane could not open %1. Check that the desktop has a default web browser.</source>
        <translation>Orvane konnte %1 nicht öffnen. Prüfen Sie, ob der Desktop einen Standard-Webbrowser hat.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../src/shell/BWDataFolderAtStart.cpp" line="37"/>
        <source>Orvane cannot find its data folder.</source>
        <translation>Orvane findet seinen Datenordner nicht.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWDataFolderAtStart.cpp" line="38"/>
        <source>The folder %1 chosen for Orvane&apos;s database cannot be found. Until it is back, or another place is chosen, Orvane shows no bills and saves no changes.</source>
        <translation>Der für die Datenbank von Orvane gewählte Ordner %1 ist nicht auffindbar. Bis er wieder da ist oder ein anderer Ort gewählt wird, zeigt Orvane keine Rechnungen und speichert keine Änderungen.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWDataFolderAtStart.cpp" line="47"/>
        <source>Orvane is already running.</source>
        <translation>Orvane läuft bereits.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWDataFolderAtStart.cpp" line="48"/>
        <source>Another copy of Orvane is using the database %1. Quit it before starting Orvane again.</source>
        <translation>Eine andere Kopie von Orvane verwendet die Datenbank %1. Beenden Sie sie, bevor Sie Orvane erneut starten.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWDataFolderAtStart.cpp" line="58"/>
        <source>Orvane cannot read its data folder.</source>
        <translation>Orvane kann seinen Datenordner nicht lesen.</translation>
    </message>
    <message>
        <location filename="../src/shell/BWDataFolderAtStart.cpp" line="59"/>
        <source>The folder %1 cannot be read. Check its permissions; until then Orvane shows no bills and saves no changes.</source>
        <translation>Der Ordner %1 kann nicht gelesen werden. Prüfen Sie seine Berechtigungen; bis dahin zeigt Orvane keine Rechnungen und speichert keine Änderungen.</translation>
    </message>
</context>
</TS>
