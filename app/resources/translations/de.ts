<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AVInput</name>
    <message>
        <source>%1 cannot be opened (%2).</source>
        <translation>%1 kann nicht geöffnet werden (%2).</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2).</source>
        <translation>%1 kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>%1 has no sound.</source>
        <translation>%1 enthält keinen Ton.</translation>
    </message>
    <message>
        <source>%1 has no video.</source>
        <translation>%1 enthält kein Video.</translation>
    </message>
    <message>
        <source>%1 uses a format that cannot be decoded.</source>
        <translation>%1 hat ein Format, das nicht dekodiert werden kann.</translation>
    </message>
    <message>
        <source>%1 cannot be decoded (%2).</source>
        <translation>%1 kann nicht dekodiert werden (%2).</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 cannot be opened as a picture.</source>
        <translation>%1 kann nicht als Bild geöffnet werden.</translation>
    </message>
    <message>
        <source>Out of memory for %1.</source>
        <translation>Nicht genug Arbeitsspeicher für %1.</translation>
    </message>
</context>
<context>
    <name>AVOutput</name>
    <message>
        <source>No H.264 encoder is available.</source>
        <translation>Es ist kein H.264-Encoder verfügbar.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Nicht genug Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>The video encoder cannot start (%1).</source>
        <translation>Der Video-Encoder kann nicht starten (%1).</translation>
    </message>
    <message>
        <source>No AAC encoder is available.</source>
        <translation>Es ist kein AAC-Encoder verfügbar.</translation>
    </message>
    <message>
        <source>The audio encoder cannot start (%1).</source>
        <translation>Der Audio-Encoder kann nicht starten (%1).</translation>
    </message>
    <message>
        <source>The video settings are not usable.</source>
        <translation>Die Videoeinstellungen sind nicht verwendbar.</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2).</source>
        <translation>%1 kann nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>The video header cannot be written (%1).</source>
        <translation>Der Kopf der Videodatei kann nicht geschrieben werden (%1).</translation>
    </message>
    <message>
        <source>The video cannot be encoded (%1).</source>
        <translation>Das Video kann nicht kodiert werden (%1).</translation>
    </message>
    <message>
        <source>The video file cannot be written (%1).</source>
        <translation>Die Videodatei kann nicht geschrieben werden (%1).</translation>
    </message>
    <message>
        <source>The video file is not open.</source>
        <translation>Die Videodatei ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>A frame without a usable time base (%1/%2) cannot be written.</source>
        <translation>Ein Einzelbild ohne brauchbare Zeitbasis (%1/%2) kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The music cannot be converted.</source>
        <translation>Die Musik kann nicht umgewandelt werden.</translation>
    </message>
    <message>
        <source>The end of the video file cannot be written (%1).</source>
        <translation>Das Ende der Videodatei kann nicht geschrieben werden (%1).</translation>
    </message>
</context>
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
    <name>DroppedFiles</name>
    <message>
        <source>not a file on this computer</source>
        <translation>keine Datei auf diesem Computer</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine normale Datei</translation>
    </message>
    <message>
        <source>not a kind of photo that can be opened</source>
        <translation>kein Fotoformat, das geöffnet werden kann</translation>
    </message>
    <message>
        <source>a folder without photos</source>
        <translation>ein Ordner ohne Fotos</translation>
    </message>
    <message>
        <source>a folder without music</source>
        <translation>ein Ordner ohne Musik</translation>
    </message>
</context>
<context>
    <name>H264Render</name>
    <message>
        <source>The video could not be made.</source>
        <translation>Das Video konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>There is nothing to render.</source>
        <translation>Es gibt keine Inhalte für das Video.</translation>
    </message>
    <message>
        <source>The video file could not be written.</source>
        <translation>Die Videodatei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The theme has no scene %1.</source>
        <translation>Das Design hat keine Szene %1.</translation>
    </message>
    <message>
        <source>Scene %1 is of an unknown kind (%2).</source>
        <translation>Szene %1 ist von unbekannter Art (%2).</translation>
    </message>
    <message>
        <source>Scene %1 has an unknown kind of background (%2).</source>
        <translation>Szene %1 hat einen Hintergrund unbekannter Art (%2).</translation>
    </message>
    <message>
        <source>The background of scene %1 cannot be read: %2</source>
        <translation>Der Hintergrund von Szene %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Scene %1 cannot be prepared: %2</source>
        <translation>Szene %1 kann nicht vorbereitet werden: %2</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>%1 could not be opened.</source>
        <translation>%1 konnte nicht geöffnet werden.</translation>
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
        <source>This project cannot be read; it is left as it is.</source>
        <translation>Dieses Projekt kann nicht gelesen werden; es bleibt unverändert.</translation>
    </message>
    <message>
        <source>Missed audio file will be skipped.</source>
        <translation>Die fehlende Audiodatei wird übersprungen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The video could not be made: %1</source>
        <translation>Das Video konnte nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>The theme &quot;%1&quot; cannot be read (%2). Please choose another theme.</source>
        <translation>Das Thema „%1“ kann nicht gelesen werden (%2). Bitte wählen Sie ein anderes Thema.</translation>
    </message>
    <message>
        <source>Skip them</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Look for them</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Missing pictures</source>
        <translation>Fehlende Bilder</translation>
    </message>
    <message>
        <source>Pictures of this project that are no longer where they were: %1. Look for them in a folder and its subfolders?</source>
        <translation>Bilder dieses Projekts, die nicht mehr dort sind, wo sie waren: %1. In einem Ordner und seinen Unterordnern danach suchen?</translation>
    </message>
    <message>
        <source>Where are the pictures now?</source>
        <translation>Wo sind die Bilder jetzt?</translation>
    </message>
    <message>
        <source>The project could not be saved with the pictures found.</source>
        <translation>Das Projekt konnte mit den gefundenen Bildern nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>%1 of %2 missing pictures were found.</source>
        <translation>%1 von %2 fehlenden Bildern wurden gefunden.</translation>
    </message>
    <message>
        <source>Not found, so left out: %1</source>
        <translation>Nicht gefunden, daher weggelassen: %1</translation>
    </message>
    <message>
        <source>In that folder more than once, so left out: %1</source>
        <translation>Mehrmals in diesem Ordner, daher weggelassen: %1</translation>
    </message>
    <message>
        <source>The theme&apos;s videos are still being downloaded; the preview can play once they are here.</source>
        <translation>Die Videos des Themas werden noch heruntergeladen; die Vorschau kann abspielen, sobald sie da sind.</translation>
    </message>
    <message>
        <source>There is nothing to preview yet: add photos or text scenes.</source>
        <translation>Noch gibt es nichts für die Vorschau: Fügen Sie Fotos oder Textszenen hinzu.</translation>
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
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… und %n weitere</numerusform>
            <numerusform>… und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>This was not added:
%1</source>
        <translation>Dies wurde nicht hinzugefügt:
%1</translation>
    </message>
    <message>
        <source>These were not added:
%1</source>
        <translation>Diese wurden nicht hinzugefügt:
%1</translation>
    </message>
</context>
<context>
    <name>PreviewDialog</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Preview of the slideshow</source>
        <translation>Vorschau der Diashow</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
</context>
<context>
    <name>PrjManager</name>
    <message>
        <source>1 slide of an unknown kind was left out.</source>
        <translation>1 Folie unbekannter Art wurde weggelassen.</translation>
    </message>
    <message>
        <source>%1 slides of an unknown kind were left out.</source>
        <translation>%1 Folien unbekannter Art wurden weggelassen.</translation>
    </message>
    <message>
        <source>There is no project to save.</source>
        <translation>Es gibt kein Projekt zum Speichern.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a project.</source>
        <translation>„%1“ ist kein Projekt.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The project in %1 cannot be read; it is left as it is.</source>
        <translation>Das Projekt in %1 kann nicht gelesen werden; es bleibt unverändert.</translation>
    </message>
    <message>
        <source>The project could not be saved in %1.</source>
        <translation>Das Projekt konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>%1 is neither a project id nor a project folder.</source>
        <translation>%1 ist weder eine Projektkennung noch ein Projektordner.</translation>
    </message>
    <message>
        <source>There is no project %1 in %2.</source>
        <translation>In %2 gibt es kein Projekt %1.</translation>
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
    <name>QObject</name>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 fehlt.</translation>
    </message>
    <message>
        <source>%1 is not an H.264 video.</source>
        <translation>%1 ist kein H.264-Video.</translation>
    </message>
    <message>
        <source>%1 holds no frames.</source>
        <translation>%1 enthält keine Einzelbilder.</translation>
    </message>
</context>
<context>
    <name>RenderProgressForm</name>
    <message>
        <source>Making Video</source>
        <translation>Video wird erstellt</translation>
    </message>
    <message>
        <source>%1 so far</source>
        <translation>%1 vergangen</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>noch etwa %1</translation>
    </message>
</context>
<context>
    <name>RenderWorker</name>
    <message>
        <source>The video cannot be written in %1: %2</source>
        <translation>Das Video kann nicht in %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 appeared during the render and is kept; the new video was not saved.</source>
        <translation>%1 ist während der Erstellung entstanden und bleibt erhalten; das neue Video wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>The video could not be saved as %1: %2</source>
        <translation>Das Video konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The unfinished file %1 could not be removed.</source>
        <translation>Die unfertige Datei %1 konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>The video is larger than this system allows: a file may hold at most %1 here (%2).</source>
        <translation>Das Video ist größer, als dieses System erlaubt: Eine Datei darf hier höchstens %1 groß sein (%2).</translation>
    </message>
    <message>
        <source>The folder %1, or the unfinished video in it, was removed during the render.</source>
        <translation>Der Ordner %1 oder das unfertige Video darin wurde während der Erstellung entfernt.</translation>
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
    <message>
        <source>cannot be read as music</source>
        <translation>kann nicht als Musik gelesen werden</translation>
    </message>
    <message>
        <source>MP3 or M4A files play one after another under your slides. Choose them, or drop them here.</source>
        <translation>MP3- oder M4A-Dateien laufen nacheinander unter Ihren Folien. Wählen Sie sie aus oder ziehen Sie sie hierher.</translation>
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
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Add photos and text scenes, or drop photos and folders here: they play in the order you give them.</source>
        <translation>Fügen Sie Fotos und Textszenen hinzu oder ziehen Sie Fotos und Ordner hierher: Sie laufen in der Reihenfolge, die Sie festlegen.</translation>
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
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
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
    <message>
        <source>Ctrl+Left and Ctrl+Right move the slide.</source>
        <translation>Strg+Pfeil links und Strg+Pfeil rechts verschieben die Folie.</translation>
    </message>
</context>
<context>
    <name>Slideshow</name>
    <message>
        <source>Its theme &quot;%1&quot; cannot be read (%2).</source>
        <translation>Sein Thema „%1“ kann nicht gelesen werden (%2).</translation>
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
<context>
    <name>TmplDownloadManager</name>
    <message>
        <source>The theme could not be read, so its files cannot be fetched.</source>
        <translation>Das Design konnte nicht gelesen werden, daher können seine Dateien nicht geladen werden.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 is larger than a theme video can be: %2, at most %3.</source>
        <translation>%1 ist größer, als ein Designvideo sein darf: %2, höchstens %3.</translation>
    </message>
    <message>
        <source>The disk is full: %1 needs %2, but %3 has only %4 free.</source>
        <translation>Der Datenträger ist voll: %1 braucht %2, aber in %3 sind nur %4 frei.</translation>
    </message>
    <message>
        <source>The disk is full: %1 cannot be written.</source>
        <translation>Der Datenträger ist voll: %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The server sends %1 too slowly: %2 in the last %3 s, at least %4 a second are needed.</source>
        <translation>Der Server sendet %1 zu langsam: %2 in den letzten %3 s, nötig sind mindestens %4 pro Sekunde.</translation>
    </message>
    <message>
        <source>The server sends %1 too slowly: %2 of %3 in %4 s.</source>
        <translation>Der Server sendet %1 zu langsam: %2 von %3 in %4 s.</translation>
    </message>
    <message>
        <source>The server answered %1 for %2.</source>
        <translation>Der Server antwortete mit %1 für %2.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete: %2 of %3 bytes.</source>
        <translation>%1 kam unvollständig an: %2 von %3 Byte.</translation>
    </message>
    <message>
        <source>Secure connection failed.</source>
        <translation>Die sichere Verbindung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The server stopped sending %1: nothing came for %2 s.</source>
        <translation>Der Server sendet %1 nicht mehr: seit %2 s kam nichts an.</translation>
    </message>
</context>
<context>
    <name>VideoSettings</name>
    <message>
        <source>No folder was chosen for the video.</source>
        <translation>Es wurde kein Ordner für das Video gewählt.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The folder %1 does not accept new files.</source>
        <translation>Im Ordner %1 können keine neuen Dateien angelegt werden.</translation>
    </message>
</context>
</TS>
