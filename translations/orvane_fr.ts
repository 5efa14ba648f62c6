<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BWAutomaticPayments</name>
    <message>
        <source>Auto-logged by Orvane</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWBillActionsMenu</name>
    <message>
        <source>Actions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to skip the next payment for this bill?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWBillCommandRunner</name>
    <message>
        <source>Log Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Logged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Payment Was Not Logged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bill could not be saved, so its payments and due date are unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Bill Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a bill before trying to export it as a CSV file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bill could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Bill As CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The payments could not be saved to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Paydays on Overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Paydays on Overview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWBillDetailViewController</name>
    <message>
        <source>Enter a Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Change Was Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bill could not be written; it is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Payment Was Not Skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An archived bill has no payment to skip until it is restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bill&apos;s next due date could not be worked out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Receipt Could Not Be Opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The receipt file &quot;%1&quot; is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bill&apos;s payments changed since they were shown. Look again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Receipt Was Not Attached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be copied into Orvane&apos;s data folder; the payment keeps its earlier receipt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter an Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Payment Was Not Changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The payment of %1 on %2 is taken out of the bill&apos;s history and totals.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The due date moves back to where it was before this payment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The due date stays as it is: this partial payment did not move it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete This Payment?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Payment Was Not Removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter an Interest Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 % is no interest rate. Enter the rate as a percent from 0 to 100.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Bill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Bill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to change the amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This income is logged automatically on its pay day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log Partial Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Receipt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Receipt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Paid:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receipt:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Rate (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escrow:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMOUNT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMOUNT DUE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Income History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date adjusted to avoid weekend.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date adjusted to avoid holiday.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archived</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWBillEditorController</name>
    <message>
        <source>Savings Goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Savings Goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save the bill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save the income item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bill Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the usual repeat choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bill name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount varies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web address where you pay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tags, separated by commas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeats:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay site:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tags:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>days before it is due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Income name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid on:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Income Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter an Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Item Was Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane could not %1, so nothing was changed and your entries are still in the form. Check that the data folder can be written to, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete the item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a Date</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWBillsLoader</name>
    <message>
        <source>Never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWCloudSyncGlue</name>
    <message>
        <source>Sync is not available in this copy of Orvane.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No shared folder is in use: choose one below, then start Orvane again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sync file that could not be read was moved to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Sync: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane Cloud Account…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane Cloud</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWCommandLine</name>
    <message>
        <source>Keeps your recurring bills and income in order.</source>
        <translation>Garde vos factures et revenus réguliers en ordre.</translation>
    </message>
    <message>
        <source>An Orvane launch address to open, as the login agent does.</source>
        <translation>Une adresse de lancement d’Orvane à ouvrir, comme le fait l’agent de connexion.</translation>
    </message>
</context>
<context>
    <name>BWDateField</name>
    <message>
        <source>%1 lies outside the dates this field takes, %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date. Type a day of the month, a month and day such as &quot;%2&quot;, or a whole date such as &quot;%3&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose from a calendar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWFirebaseCloudAccount</name>
    <message>
        <source>Orvane Cloud is not set up on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are not signed in to Orvane Cloud.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a valid email address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This password is too weak. Choose a longer one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An account with this email address exists already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The email address or the password is wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many attempts. Please wait a while and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your session has ended. Please sign in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane Cloud could not be reached. Check your internet connection and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane Cloud did not answer as expected. Please try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane Cloud refused the change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Something went wrong. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWForecastViewController</name>
    <message>
        <source>Forecast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include amounts to save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimate varying amounts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWGraphViewController</name>
    <message>
        <source>By Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment Graph</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWHistoryViewController</name>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Paid</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWImportController</name>
    <message>
        <source>Warning: Importing Will Overwrite Your Current Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing Orvane 4 data will overwrite all current Orvane 5 data. This cannot be undone. Are you sure you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase &amp; Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Orvane Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This doesn&apos;t appear to be a Orvane database folder. The folder should be named Orvane. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Orvane 4 Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import the bills of Orvane 4 from its usual place, or choose the folder named Orvane that holds its data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from the Usual Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These bills could not be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No older Orvane data could be imported from there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some Bills Were Not Imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n bill(s) were imported. </source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BWIncomeController</name>
    <message>
        <source>Income Sources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No income sources yet. A source is money that comes in regularly, such as a salary or a pension: Orvane counts it in this month&apos;s income and expected balance. Click &quot;Add Income Source&quot; to add one.

Income items made with &quot;+ Income&quot; on the overview are kept with your bills and are not listed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Income Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Day of Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay Day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeats:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the amount as a number of 0 or more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The income sources could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWLegacyKeyValueSync</name>
    <message>
        <source>Last Sync: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete iCloud Data?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete your Orvane data on iCloud? This will not delete your local data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete iCloud Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWLogPaymentController</name>
    <message>
        <source>Log Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log Partial Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Paid:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This item no longer exists, so no payment can be logged for it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This item was archived or deleted, so no payment can be logged for it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The receipt file can&apos;t be found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The payment could not be saved, so nothing was logged. Check that the data folder can be written to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the amount paid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount. Enter the amount paid as a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The amount paid can&apos;t be negative.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Receipt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWMainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Bill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Savings Goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Payments as CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Orvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log Payment…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log Partial Payment…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip Payment…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Bill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Bill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Active Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archived Bills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due Soon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due This Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid This Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Paydays on Overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s New in Orvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forecast Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to Support…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign Up for News</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Orvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane keeps your recurring bills and income in order.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWMainWindow</name>
    <message>
        <source>Orvane Keeps Running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With no tray icon to open it again from, Orvane&apos;s window is minimised to the taskbar instead of closed, and reminders keep coming. Choose Quit to end Orvane.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWMenulet</name>
    <message>
        <source>Orvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Orvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Orvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane: %1 due, some overdue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane: %1 due</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWObjectController</name>
    <message>
        <source>The Database Is In Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another copy of Orvane is using the database %1. Quit it first; your data stays where it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Location to Save Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder could not be used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder Orvane can reach.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Database Was Not Moved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your data stays where it was. The chosen folder may already hold Orvane data, lie inside the data folder, or not be writable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database Moved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your data has been moved to the new location.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Folder Containing Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Database Was Not Opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane could not store its settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database Opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your data has been sucessfully loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Usual Place Holds Other Bills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The usual place already holds Orvane data that is not the data you use now. Orvane can keep that data aside in a folder beside it, where &quot;Open Database Elsewhere…&quot; finds it again, and move your data back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep It Aside and Move Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Database Was Not Moved Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your data stays where it was. One of the two folders may not be writable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your data has been moved back to the default location.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data that was there is kept in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Dropbox Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turning on Sync will move your data to your Dropbox. You must select your Dropbox folder to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Dropbox…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong Folder Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This doesn&apos;t appear to be your Dropbox folder. Make sure Dropbox is installed, and select the folder named Dropbox.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your data will be replaced by the backup Orvane made on %1. Everything entered since then is lost, and this cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane has no record of a backup yet. Your current data stays as it is unless one is found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the Backup of %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your data is back as it was on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Database Was Not Restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no usable backup, or it could not be copied. Your data is as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tag List Was Not Rebuilt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tag list could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Database Folder Could Not Be Shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Migration Guide</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWOrvaneCloudLoginController</name>
    <message>
        <source>Orvane Cloud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in to keep your bills in step on all your computers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I Already Have an Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Another Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Orvane Cloud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signed in as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trouble Syncing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the email address of your Orvane Cloud account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking up your account…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We can&apos;t find an account with this email address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signing In…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign In Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password is wrong, or this address has no account yet: try again, create the account, or have a reset link mailed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password is wrong, or this address has no account: try again, or have a reset link mailed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter an email address such as name@example.com.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Too Short</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Choose a password of at least %n characters.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Creating your account…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Creating Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Something went wrong. Please try again. If this error persists, contact customer support.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Reset Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message Sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you have an account with this email address, a link to reset your password has been sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Really Sign Out?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signing out will stop your bills from syncing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWOverviewBottomBar</name>
    <message>
        <source>Log Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log Partial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane for phones cannot sync with this computer yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No bills yet: click “+ New Bill” above (or press Ctrl+N) to add your first bill.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a bill to view available actions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>items selected. Estimated balance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bills selected. Estimated amount due:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWOverviewController</name>
    <message>
        <source>Skip Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Active Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archived Bills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due Soon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due This Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid This Month</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWOverviewHeader</name>
    <message>
        <source>+ New Bill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a bill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+ Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add an income item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vacation mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vacation mode is on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vacation mode is off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWOverviewSidebar</name>
    <message>
        <source>DUE SOON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DUE THIS MONTH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAID THIS MONTH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INCOME THIS MONTH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STILL DUE THIS MONTH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch between the expected and the current balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Income Sources…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TAGS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tags, separated by commas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip: double-click a bill to open its page, or right-click it for more commands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>THIS MONTH: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWPasswordController</name>
    <message>
        <source>Re-enter Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwords Don&apos;t Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The passwords don&apos;t match. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password could not be stored in the keyring. Make sure the keyring is running and unlocked, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password protection could not be turned on, as the settings could not be saved. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Not Removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password could not be removed from the keyring. Make sure the keyring is running and unlocked, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password could not be read from the keyring. Make sure the keyring is running and unlocked, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect password. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password that protected Orvane was not found in the keyring, so password protection is now off. You can set a new password in the Preferences.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWPasswordLock</name>
    <message>
        <source>Disable Password Protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Password Protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWPhoneSync</name>
    <message>
        <source>Turn Off Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane for phones exchanges no bills with this computer yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn On Sync</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWPreferencePanes</name>
    <message>
        <source>%1 (the file is made with the first calendar reminder)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Orvane when I log in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Orvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Orvane in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taskbar and tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tray only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taskbar only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Takes effect the next time Orvane starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the number of bills due soon in the tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour the tray icon by the most urgent bill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bills count as due soon within:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns shown:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay Sites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open pay sites inside Orvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared Sync Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shared folder could not be stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync Between Computers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep my bills in step on all my computers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder that Syncthing, Nextcloud or Dropbox keeps the same on each computer. Takes effect the next time Orvane starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your bills are kept in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Database…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Database Elsewhere…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Database in Dropbox…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get a Dropbox Account…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Back to the Usual Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Yesterday&apos;s Backup…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn On Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane for phones:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete iCloud Data…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Older sync:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> days before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show reminders as desktop notifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also add reminders to my calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind me at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Bills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn reminders on for new bills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind me:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail address for reminders:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To see these reminders in a calendar program, subscribe to this file there (in Thunderbird: New Calendar, On the Network, the file&apos;s location).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A random cheer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play a sound after a payment is logged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log automatic bills when they fall due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave automatic bills out of the due-soon count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive one-time bills once they are paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep track of income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show paydays on the overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log income automatically when it is due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due Dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move due dates that fall on days off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avoid weekends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avoid holidays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overview and Forecast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Under each bill&apos;s name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button beside the actions menu:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide bills paid automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimate amounts that vary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include savings goals in the forecast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggest bill names while editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload Overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bill&apos;s last action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start at Login Not Changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The login entry could not be written. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWQtWebPage</name>
    <message>
        <source>its process ended with code %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its process crashed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its process was killed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWReportController</name>
    <message>
        <source>Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWStartup</name>
    <message>
        <source>This Desktop Shows No Tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane is set to show in the tray only, but this desktop has no tray. Its window stays open instead, and closing it minimises it to the taskbar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Really Quit Orvane?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to quit Orvane (and close the menu bar), or just close the main window?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the Main Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Orvane Completely</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWStatisticsCalculator</name>
    <message>
        <source>No Payments Yet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWSyncControls</name>
    <message>
        <source>Sync Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bring your devices in step now</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWSyncProgressController</name>
    <message>
        <source>Syncing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syncing with Orvane for phones…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWUpdateHelper</name>
    <message>
        <source>Check for Updates…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWVacationPopover</name>
    <message>
        <source>Vacation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vacation mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due dates within your vacation move to the day before it starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWVersion7ImportWindow</name>
    <message>
        <source>Orvane 7 Import Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import the bills, archived bills and receipts that Orvane 7 kept in your home folder, or keep your bills in step on all your computers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from Home Folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep my bills in step on all my computers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re-Import at Next Start…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWWebEngine</name>
    <message>
        <source>Its helper program %1 is missing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWWebEngineLoader</name>
    <message>
        <source>Its module could not be loaded (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its module has no entry point (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save “%1” in your Downloads folder?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pay site sent a file. It goes to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWWebPane</name>
    <message>
        <source>Not opened: %1 is not a web page (only http and https addresses open here)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: the certificate of %1 is not valid (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This copy of Orvane has no web engine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The built-in browser could not start. %1
Pay sites open in your web browser instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWWelcomeFlow</name>
    <message>
        <source>Last Backed Up: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Orvane 7 bills were found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Home Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Orvane 7 Data Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This home folder holds no Orvane 7 data folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Backup…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Database Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Database…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Database Elsewhere…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Database in Dropbox…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Database Back to Its Usual Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compact Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebuild Tag List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane 4 Data…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane 4 Data from a Folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane 7 Import Options…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guides and Help Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forecast Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail Reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane for Phones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report a Bug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Migration Guide</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWWelcomeSheet</name>
    <message>
        <source>Welcome to Orvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane keeps your recurring bills and income in order: when each falls due, what you paid, and what is coming up. It reminds you before a bill is due and backs up your data every day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane for phones is on its way. Sign up to hear when you can keep your bills with you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign Up and Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used Orvane 7 before? Orvane can take over its bills, with their payments and reminders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Orvane 7 Bills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More Import Options…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Using Orvane</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BWWindowController</name>
    <message>
        <source>Show Overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay Bill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip Payment</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LRCalendarView</name>
    <message>
        <source>Previous Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Choose a Receipt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twice a Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every 3 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every 6 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never (One Time)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every 2 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every 2 Weeks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarterly tax dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane Cloud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Web Browser Could Be Started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane could not open %1. Check that the desktop has a default web browser.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Orvane cannot find its data folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 chosen for Orvane&apos;s database cannot be found. Until it is back, or another place is chosen, Orvane shows no bills and saves no changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane is already running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another copy of Orvane is using the database %1. Quit it before starting Orvane again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane cannot read its data folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be read. Check its permissions; until then Orvane shows no bills and saves no changes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
