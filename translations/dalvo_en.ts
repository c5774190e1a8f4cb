<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="el">
<context>
    <name>Commands</name>
    <message>
        <source>Dalvo: εγκάρσια κύματα σε σειρές σφαιριδίων</source>
        <translation>Dalvo: transverse waves on rows of balls</translation>
    </message>
    <message>
        <source>Σχόλια: στο εργαστήριο Φυσικής του σχολείου</source>
        <translation>Comments: to the school&apos;s physics lab</translation>
    </message>
</context>
<context>
    <name>Graph</name>
    <message>
        <source>Μέσο %1, σφαιρίδιο %2</source>
        <translation>Medium %1, ball %2</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <source>Ελληνικά</source>
        <comment>the name of this translation&apos;s language, in it</comment>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>frm_Dalvo_Files</name>
    <message>
        <source>Όνομα αρχείου:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Οδηγός δίσκου:</source>
        <translation>Drive:</translation>
    </message>
    <message>
        <source>Κατάλογοι:</source>
        <translation>Folders:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>ΟΚ</source>
        <extracomment>The confirm button before a title says what the chooser is for: OK in Greek capitals.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>frm_Export</name>
    <message>
        <source>Εξαγωγή</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Εικόνα</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Δεδομένα (CSV)</source>
        <translation>Data (CSV)</translation>
    </message>
    <message>
        <source>Κίνηση</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>SVG, διανυσματική</source>
        <translation>SVG, vector drawing</translation>
    </message>
    <message>
        <source>PDF, διανυσματική</source>
        <translation>PDF, vector drawing</translation>
    </message>
    <message>
        <source>Ιστορικό των σημειωμένων σφαιριδίων</source>
        <translation>History of the marked balls</translation>
    </message>
    <message>
        <source>Θέσεις όλων των σφαιριδίων τώρα</source>
        <translation>All balls&apos; positions now</translation>
    </message>
    <message>
        <source>Ως το τέλος της κίνησης</source>
        <translation>To the end of the run</translation>
    </message>
    <message>
        <source>Ως τον τωρινό χρόνο</source>
        <translation>To the present time</translation>
    </message>
    <message>
        <source>Αργή κίνηση (1/4)</source>
        <translation>Slow motion (1/4)</translation>
    </message>
    <message>
        <source>Εξαγωγή...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Άκυρο</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Εικόνα PNG</source>
        <translation>PNG picture</translation>
    </message>
    <message>
        <source>Σχέδιο SVG</source>
        <translation>SVG drawing</translation>
    </message>
    <message>
        <source>Έγγραφο PDF</source>
        <translation>PDF document</translation>
    </message>
    <message>
        <source>Δεδομένα CSV</source>
        <translation>CSV data</translation>
    </message>
    <message>
        <source>Κινούμενη εικόνα GIF</source>
        <translation>GIF animation</translation>
    </message>
    <message>
        <source>Βίντεο %1</source>
        <translation>%1 video</translation>
    </message>
</context>
<context>
    <name>frm_dalvo</name>
    <message>
        <source>Άνοιγμα σεναρίου</source>
        <translation>Open a scenario</translation>
    </message>
    <message>
        <source>Αποθήκευση σεναρίου</source>
        <translation>Save the scenario</translation>
    </message>
    <message>
        <source>Εκτύπωση του παραθύρου</source>
        <translation>Print the window</translation>
    </message>
    <message>
        <source>Πληροφορίες για το Dalvo</source>
        <translation>About Dalvo</translation>
    </message>
    <message>
        <source>Έξοδος από το πρόγραμμα</source>
        <translation>Leave the program</translation>
    </message>
    <message>
        <source>Ως το επόμενο δευτερόλεπτο</source>
        <translation>On to the next second</translation>
    </message>
    <message>
        <source>Επαναφορά στο t = 0</source>
        <translation>Back to t = 0</translation>
    </message>
    <message>
        <source>πάνω</source>
        <comment>medium</comment>
        <extracomment>The upper medium, as in &quot;Κύμα 1, πάνω μέσο&quot;.</extracomment>
        <translation>upper</translation>
    </message>
    <message>
        <source>κάτω</source>
        <comment>medium</comment>
        <extracomment>The lower medium, as in &quot;Κύμα 1, κάτω μέσο&quot;.</extracomment>
        <translation>lower</translation>
    </message>
    <message>
        <source>Κύμα %1, %2 μέσο</source>
        <translation>Wave %1, %2 medium</translation>
    </message>
    <message>
        <source>Σφαιρίδια του κύματος %1, %2 μέσο</source>
        <translation>Balls of wave %1, %2 medium</translation>
    </message>
    <message>
        <source>Συχνότητα, κύμα %1, %2 μέσο</source>
        <translation>Frequency, wave %1, %2 medium</translation>
    </message>
    <message>
        <source>Πλάτος, κύμα %1, %2 μέσο</source>
        <translation>Amplitude, wave %1, %2 medium</translation>
    </message>
    <message>
        <source>Ταχύτητα διάδοσης, πάνω μέσο</source>
        <translation>Propagation speed, upper medium</translation>
    </message>
    <message>
        <source>Ταχύτητα διάδοσης, κάτω μέσο</source>
        <translation>Propagation speed, lower medium</translation>
    </message>
    <message>
        <source>Ρυθμός της κίνησης</source>
        <translation>Pace of the animation</translation>
    </message>
    <message>
        <source>Ρυθμός της κίνησης: μέγιστος, πραγματικός χρόνος ή αργή κίνηση στο 1/4</source>
        <translation>Pace of the animation: fastest, real time or slow motion at 1/4</translation>
    </message>
    <message>
        <source>Χρόνος t σε δευτερόλεπτα</source>
        <translation>Time t in seconds</translation>
    </message>
    <message>
        <source>Ταχύτητα διάδοσης:</source>
        <translation>Propagation speed:</translation>
    </message>
    <message>
        <source>c =</source>
        <comment>the propagation speed</comment>
        <translation>c =</translation>
    </message>
    <message>
        <source>t = </source>
        <comment>the elapsed time</comment>
        <translation>t = </translation>
    </message>
    <message>
        <source>sec</source>
        <comment>the unit of the elapsed time</comment>
        <translation>sec</translation>
    </message>
    <message>
        <source>Κύματα σε σειρές</source>
        <extracomment>The program&apos;s subtitle in the bottom left corner.</extracomment>
        <translation>Waves on rows of balls</translation>
    </message>
    <message>
        <source>Συχνότητα:</source>
        <translation>Frequency:</translation>
    </message>
    <message>
        <source>f = </source>
        <comment>the frequency</comment>
        <translation>f = </translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Πλάτος:</source>
        <translation>Amplitude:</translation>
    </message>
    <message>
        <source>Α =</source>
        <extracomment>The amplitude; the letter is a Greek capital alpha.</extracomment>
        <translation>A =</translation>
    </message>
    <message>
        <source>Red balls</source>
        <translation>Red balls</translation>
    </message>
    <message>
        <source>Blue balls</source>
        <translation>Blue balls</translation>
    </message>
    <message>
        <source>Κύμα %1</source>
        <extracomment>The wave&apos;s number within its medium: 1 from the left end, 2 from the right.</extracomment>
        <translation>Wave %1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Ρυθμός:</source>
        <translation>Pace:</translation>
    </message>
    <message>
        <source>Μέγιστος</source>
        <comment>the pace: as fast as the timer allows</comment>
        <translation>Fastest</translation>
    </message>
    <message>
        <source>Πραγματικός χρόνος</source>
        <translation>Real time</translation>
    </message>
    <message>
        <source>Αργή κίνηση (1/4)</source>
        <translation>Slow motion (1/4)</translation>
    </message>
    <message>
        <source>Dalvo: New file</source>
        <translation>Dalvo: New file</translation>
    </message>
    <message>
        <source>Γλώσσα του προγράμματος</source>
        <translation>Language of the program</translation>
    </message>
    <message>
        <source>Η κίνηση τελείωσε</source>
        <translation>The run is over</translation>
    </message>
    <message>
        <source>Παύση</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Συνέχεια</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Έναρξη</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>%1 (F7: επαναφορά)</source>
        <translation>%1 (F7: reset)</translation>
    </message>
    <message>
        <source>Γράφημα y–t</source>
        <translation>y–t graph</translation>
    </message>
    <message>
        <source>f (Hz)</source>
        <translation>f (Hz)</translation>
    </message>
    <message>
        <source>T (s)</source>
        <translation>T (s)</translation>
    </message>
    <message>
        <source>λ (σφαιρίδια)</source>
        <extracomment>The wavelength in ball spacings.</extracomment>
        <translation>Wavelength</translation>
    </message>
    <message>
        <source>Μέσο %1, κύμα %2</source>
        <translation>Medium %1, wave %2</translation>
    </message>
    <message>
        <source>Μέσο %1, c (σφαιρίδια/s):</source>
        <extracomment>The propagation speed in ball spacings a second.</extracomment>
        <translation>Medium %1, c (balls/s):</translation>
    </message>
    <message>
        <source>Εξαγωγή (Ctrl+E)</source>
        <translation>Export (Ctrl+E)</translation>
    </message>
    <message>
        <source>Εξαγωγή</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Άκυρο</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Καρέ %1 από %2</source>
        <translation>Frame %1 of %2</translation>
    </message>
    <message>
        <source>Η εξαγωγή στο αρχείο %1 δεν έγινε.

%2</source>
        <translation>The export to the file %1 failed.

%2</translation>
    </message>
    <message>
        <source>Ο φάκελος %1 δεν υπάρχει.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message>
        <source>Δεν επιτρέπεται η εγγραφή στον φάκελο %1.</source>
        <translation>The folder %1 cannot be written to.</translation>
    </message>
</context>
</TS>
