<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AudioFileForm</name>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
</context>
<context>
    <name>BaseDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>DoneBackBtnsForm</name>
    <message>
        <source>Back to </source>
        <translation>Zurück zu </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>DoneForm</name>
    <message>
        <source>Play Video</source>
        <translation>Video abspielen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Your video is ready to play.</source>
        <translation>Ihr Video ist fertig.</translation>
    </message>
    <message>
        <source>Click button below to show file.</source>
        <translation>Klicken Sie unten, um die Datei anzuzeigen.</translation>
    </message>
    <message>
        <source>Open Folder with Video</source>
        <translation>Ordner mit dem Video öffnen</translation>
    </message>
    <message>
        <source>Share your video on</source>
        <translation>Teilen Sie Ihr Video auf</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>YouTube</source>
        <translation>YouTube</translation>
    </message>
    <message>
        <source>Vimeo</source>
        <translation>Vimeo</translation>
    </message>
    <message>
        <source>Questions or ideas? &lt;a href=&quot;%1&quot; style=&quot;color: #0099ff;&quot;&gt;Contact us&lt;/a&gt;</source>
        <translation>Fragen oder Ideen? &lt;a href=&quot;%1&quot; style=&quot;color: #0099ff;&quot;&gt;Schreiben Sie uns&lt;/a&gt;</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>%1 konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>DownloadingThemeForm</name>
    <message>
        <source>Downloading theme</source>
        <translation>Design wird heruntergeladen</translation>
    </message>
    <message>
        <source>Downloading theme&apos;s files from internet.</source>
        <translation>Die Dateien des Designs werden aus dem Internet geladen.</translation>
    </message>
    <message>
        <source>Depending on your internet connection speed</source>
        <translation>Je nach Geschwindigkeit Ihrer Internetverbindung</translation>
    </message>
    <message>
        <source>it can take up to few minutes.</source>
        <translation>kann das einige Minuten dauern.</translation>
    </message>
    <message>
        <source>This files will be downloaded only once.</source>
        <translation>Diese Dateien werden nur einmal heruntergeladen.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Skip Audio</source>
        <translation>Ohne Musik</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Back to Themes</source>
        <translation>Zurück zu Designs</translation>
    </message>
    <message>
        <source>Back to Music</source>
        <translation>Zurück zur Musik</translation>
    </message>
    <message>
        <source>Make Video</source>
        <translation>Video erstellen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>The theme &quot;%1&quot; cannot be read. Please choose another theme.</source>
        <translation>Das Design „%1“ kann nicht gelesen werden. Bitte wählen Sie ein anderes Design.</translation>
    </message>
    <message>
        <source>This project cannot be read; it is left as it is.</source>
        <translation>Dieses Projekt kann nicht gelesen werden; es bleibt unverändert.</translation>
    </message>
    <message>
        <source>Missed audio file will be skipped.</source>
        <translation>Fehlende Audiodateien werden übersprungen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The video could not be made: %1</source>
        <translation>Das Video konnte nicht erstellt werden: %1</translation>
    </message>
</context>
<context>
    <name>MediaVerticalSeparator</name>
    <message>
        <source>You have more content than your music track duration. Photos and text scenes under this line will be excluded from video.</source>
        <translation>Ihre Inhalte sind länger als die Musik. Fotos und Textszenen unter dieser Linie kommen nicht ins Video.</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ProjectForm</name>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Delete Project</source>
        <translation>Projekt löschen</translation>
    </message>
    <message>
        <source>Untitled project</source>
        <translation>Unbenanntes Projekt</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Slides</source>
        <translation>Folien</translation>
    </message>
</context>
<context>
    <name>RenderProgressForm</name>
    <message>
        <source>Making Video</source>
        <translation>Video wird erstellt</translation>
    </message>
    <message>
        <source>%p%</source>
        <translation>%p %</translation>
    </message>
</context>
<context>
    <name>SelectAudioForm</name>
    <message>
        <source>Your theme</source>
        <translation>Ihr Design</translation>
    </message>
    <message>
        <source>Add Background Music</source>
        <translation>Hintergrundmusik hinzufügen</translation>
    </message>
    <message>
        <source>MP3 or M4A files play one after another under your slides.</source>
        <translation>MP3- oder M4A-Dateien laufen nacheinander unter Ihren Folien.</translation>
    </message>
    <message>
        <source>Choose Music Files</source>
        <translation>Musikdateien auswählen</translation>
    </message>
    <message>
        <source>Background Music</source>
        <translation>Hintergrundmusik</translation>
    </message>
    <message>
        <source>Add More Music</source>
        <translation>Weitere Musik hinzufügen</translation>
    </message>
    <message>
        <source>Skip Audio</source>
        <translation>Ohne Musik</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read as music and was not added.</source>
        <translation>„%1“ kann nicht als Musik gelesen werden und wurde nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>These files cannot be read as music and were not added:
%1</source>
        <translation>Diese Dateien können nicht als Musik gelesen werden und wurden nicht hinzugefügt:
%1</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Audiodatei öffnen</translation>
    </message>
    <message>
        <source>(*.mp3 *.m4a)</source>
        <translation>(*.mp3 *.m4a)</translation>
    </message>
</context>
<context>
    <name>SelectImagesForm</name>
    <message>
        <source>Add Images</source>
        <translation>Bilder hinzufügen</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>Bilderordner hinzufügen</translation>
    </message>
    <message>
        <source>Add Text Scene</source>
        <translation>Textszene hinzufügen</translation>
    </message>
    <message>
        <source>Add photos and text scenes: they play in the order you give them here.</source>
        <translation>Fügen Sie Fotos und Textszenen hinzu: Sie laufen in der Reihenfolge, die Sie hier festlegen.</translation>
    </message>
    <message>
        <source>Add music</source>
        <translation>Musik hinzufügen</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>Audiodateien</translation>
    </message>
    <message>
        <source>Missed image files will be skipped.</source>
        <translation>Fehlende Bilddateien werden übersprungen.</translation>
    </message>
    <message>
        <source>Import Image Files</source>
        <translation>Bilddateien importieren</translation>
    </message>
</context>
<context>
    <name>SelectThemeForm</name>
    <message>
        <source>My Recent Projects</source>
        <translation>Meine letzten Projekte</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Alle anzeigen</translation>
    </message>
    <message>
        <source>Hide all</source>
        <translation>Alle ausblenden</translation>
    </message>
    <message>
        <source>Select Theme</source>
        <translation>Design auswählen</translation>
    </message>
    <message>
        <source>Subscribe for new Themes and Updates</source>
        <translation>Neue Designs und Updates abonnieren</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>Folgen Sie uns</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete Project</source>
        <translation>Projekt löschen</translation>
    </message>
    <message>
        <source>The project will be removed from this computer. This cannot be undone.</source>
        <translation>Das Projekt wird von diesem Computer entfernt. Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>The project could not be deleted.</source>
        <translation>Das Projekt konnte nicht gelöscht werden.</translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>Video settings</source>
        <translation>Videoeinstellungen</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Videoqualität</translation>
    </message>
    <message>
        <source>HD (1280x720)</source>
        <translation>HD (1280×720)</translation>
    </message>
    <message>
        <source>Full HD (1920x1080)</source>
        <translation>Full HD (1920×1080)</translation>
    </message>
    <message>
        <source>Result Directory</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen …</translation>
    </message>
    <message>
        <source>Add Pictavio logo at the end of the video</source>
        <translation>Pictavio-Logo am Ende des Videos einfügen</translation>
    </message>
</context>
<context>
    <name>SlideForm</name>
    <message>
        <source>Turn left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>This picture cannot be read; it is left out of the video.</source>
        <translation>Dieses Bild kann nicht gelesen werden; es wird im Video weggelassen.</translation>
    </message>
    <message>
        <source>Delete removes the slide; [ and ] turn the picture.</source>
        <translation>Entf entfernt die Folie; [ und ] drehen das Bild.</translation>
    </message>
    <message>
        <source>Delete removes the slide; Enter edits the text.</source>
        <translation>Entf entfernt die Folie; Eingabe bearbeitet den Text.</translation>
    </message>
</context>
<context>
    <name>TextSceneDialog</name>
    <message>
        <source>Text Scene</source>
        <translation>Textszene</translation>
    </message>
    <message>
        <source>Add Text Scene</source>
        <translation>Textszene hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Edit Text Scene</source>
        <translation>Textszene bearbeiten</translation>
    </message>
    <message>
        <source>Type your text here...</source>
        <translation>Text hier eingeben …</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
</context>
<context>
    <name>ThemeDownloadErrorDialog</name>
    <message>
        <source>Select other theme</source>
        <translation>Anderes Design</translation>
    </message>
    <message>
        <source>Retry download</source>
        <translation>Erneut laden</translation>
    </message>
    <message>
        <source>Network problem</source>
        <translation>Netzwerkproblem</translation>
    </message>
</context>
<context>
    <name>ThemeDownloadErrorForm</name>
    <message>
        <source>We have problem with downloading theme files from internet.</source>
        <translation>Beim Herunterladen der Designdateien ist ein Problem aufgetreten.</translation>
    </message>
    <message>
        <source>Please check your internet connection and try again.</source>
        <translation>Bitte prüfen Sie Ihre Internetverbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>If this problem persists, please contact our support at </source>
        <translation>Wenn das Problem weiterhin besteht, wenden Sie sich an unseren Support: </translation>
    </message>
</context>
<context>
    <name>ThemeThumbnailForm</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Use this theme</source>
        <translation>Dieses Design verwenden</translation>
    </message>
</context>
</TS>
