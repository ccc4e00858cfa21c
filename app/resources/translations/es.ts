<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AVInput</name>
    <message>
        <source>%1 cannot be opened (%2).</source>
        <translation>No se puede abrir %1 (%2).</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2).</source>
        <translation>No se puede leer %1 (%2).</translation>
    </message>
    <message>
        <source>%1 has no sound.</source>
        <translation>%1 no tiene sonido.</translation>
    </message>
    <message>
        <source>%1 has no video.</source>
        <translation>%1 no tiene vídeo.</translation>
    </message>
    <message>
        <source>%1 uses a format that cannot be decoded.</source>
        <translation>%1 usa un formato que no se puede decodificar.</translation>
    </message>
    <message>
        <source>%1 cannot be decoded (%2).</source>
        <translation>No se puede decodificar %1 (%2).</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>No se puede leer %1.</translation>
    </message>
    <message>
        <source>%1 cannot be opened as a picture.</source>
        <translation>No se puede abrir %1 como imagen.</translation>
    </message>
    <message>
        <source>Out of memory for %1.</source>
        <translation>No hay memoria suficiente para %1.</translation>
    </message>
</context>
<context>
    <name>AVOutput</name>
    <message>
        <source>No H.264 encoder is available.</source>
        <translation>No hay ningún codificador H.264 disponible.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>No hay memoria suficiente.</translation>
    </message>
    <message>
        <source>The video encoder cannot start (%1).</source>
        <translation>No se puede iniciar el codificador de vídeo (%1).</translation>
    </message>
    <message>
        <source>No AAC encoder is available.</source>
        <translation>No hay ningún codificador AAC disponible.</translation>
    </message>
    <message>
        <source>The audio encoder cannot start (%1).</source>
        <translation>No se puede iniciar el codificador de audio (%1).</translation>
    </message>
    <message>
        <source>The video settings are not usable.</source>
        <translation>Los ajustes de vídeo no son válidos.</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2).</source>
        <translation>No se puede escribir %1 (%2).</translation>
    </message>
    <message>
        <source>The video header cannot be written (%1).</source>
        <translation>No se puede escribir la cabecera del vídeo (%1).</translation>
    </message>
    <message>
        <source>The video cannot be encoded (%1).</source>
        <translation>No se puede codificar el vídeo (%1).</translation>
    </message>
    <message>
        <source>The video file cannot be written (%1).</source>
        <translation>No se puede escribir el archivo de vídeo (%1).</translation>
    </message>
    <message>
        <source>The video file is not open.</source>
        <translation>El archivo de vídeo no está abierto.</translation>
    </message>
    <message>
        <source>A frame without a usable time base (%1/%2) cannot be written.</source>
        <translation>No se puede escribir un fotograma sin una base de tiempo válida (%1/%2).</translation>
    </message>
    <message>
        <source>The music cannot be converted.</source>
        <translation>No se puede convertir la música.</translation>
    </message>
    <message>
        <source>The end of the video file cannot be written (%1).</source>
        <translation>No se puede escribir el final del archivo de vídeo (%1).</translation>
    </message>
</context>
<context>
    <name>AudioFileForm</name>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
</context>
<context>
    <name>BaseDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>DoneBackBtnsForm</name>
    <message>
        <source>Back to </source>
        <translation>Volver a </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>DoneForm</name>
    <message>
        <source>Play Video</source>
        <translation>Reproducir vídeo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Your video is ready to play.</source>
        <translation>Tu vídeo está listo para reproducirse.</translation>
    </message>
    <message>
        <source>Click button below to show file.</source>
        <translation>Haz clic en el botón de abajo para ver el archivo.</translation>
    </message>
    <message>
        <source>Open Folder with Video</source>
        <translation>Abrir carpeta del vídeo</translation>
    </message>
    <message>
        <source>Share your video on</source>
        <translation>Comparte tu vídeo en</translation>
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
        <translation>¿Preguntas o ideas? &lt;a href=&quot;%1&quot; style=&quot;color: #0099ff;&quot;&gt;Escríbenos&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>DownloadingThemeForm</name>
    <message>
        <source>Downloading theme</source>
        <translation>Descargando tema</translation>
    </message>
    <message>
        <source>Downloading theme&apos;s files from internet.</source>
        <translation>Descargando los archivos del tema desde internet.</translation>
    </message>
    <message>
        <source>Depending on your internet connection speed</source>
        <translation>Según la velocidad de tu conexión a internet,</translation>
    </message>
    <message>
        <source>it can take up to few minutes.</source>
        <translation>puede tardar unos minutos.</translation>
    </message>
    <message>
        <source>This files will be downloaded only once.</source>
        <translation>Estos archivos solo se descargan una vez.</translation>
    </message>
</context>
<context>
    <name>DroppedFiles</name>
    <message>
        <source>not a file on this computer</source>
        <translation>no es un archivo de este equipo</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>no encontrado</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>not a kind of photo that can be opened</source>
        <translation>no es un tipo de foto que se pueda abrir</translation>
    </message>
    <message>
        <source>a folder without photos</source>
        <translation>una carpeta sin fotos</translation>
    </message>
    <message>
        <source>a folder without music</source>
        <translation>una carpeta sin música</translation>
    </message>
</context>
<context>
    <name>H264Render</name>
    <message>
        <source>The video could not be made.</source>
        <translation>No se pudo crear el vídeo.</translation>
    </message>
    <message>
        <source>There is nothing to render.</source>
        <translation>No hay contenido para crear el vídeo.</translation>
    </message>
    <message>
        <source>The video file could not be written.</source>
        <translation>No se pudo escribir el archivo de vídeo.</translation>
    </message>
    <message>
        <source>The theme has no scene %1.</source>
        <translation>El tema no tiene la escena %1.</translation>
    </message>
    <message>
        <source>Scene %1 is of an unknown kind (%2).</source>
        <translation>La escena %1 es de un tipo desconocido (%2).</translation>
    </message>
    <message>
        <source>Scene %1 has an unknown kind of background (%2).</source>
        <translation>La escena %1 tiene un fondo de tipo desconocido (%2).</translation>
    </message>
    <message>
        <source>The background of scene %1 cannot be read: %2</source>
        <translation>No se puede leer el fondo de la escena %1: %2</translation>
    </message>
    <message>
        <source>Scene %1 cannot be prepared: %2</source>
        <translation>No se puede preparar la escena %1: %2</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>%1 could not be opened.</source>
        <translation>No se pudo abrir %1.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Skip Audio</source>
        <translation>Omitir música</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Back to Themes</source>
        <translation>Volver a temas</translation>
    </message>
    <message>
        <source>Back to Music</source>
        <translation>Volver a música</translation>
    </message>
    <message>
        <source>Make Video</source>
        <translation>Crear vídeo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>This project cannot be read; it is left as it is.</source>
        <translation>No se puede leer este proyecto; se deja tal como está.</translation>
    </message>
    <message>
        <source>Missed audio file will be skipped.</source>
        <translation>Se omitirá el archivo de audio que falta.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The video could not be made: %1</source>
        <translation>No se pudo crear el vídeo: %1</translation>
    </message>
    <message>
        <source>The theme &quot;%1&quot; cannot be read (%2). Please choose another theme.</source>
        <translation>No se puede leer el tema «%1» (%2). Elija otro tema.</translation>
    </message>
    <message>
        <source>Skip them</source>
        <translation>Omitirlas</translation>
    </message>
    <message>
        <source>Look for them</source>
        <translation>Buscarlas</translation>
    </message>
    <message>
        <source>Missing pictures</source>
        <translation>Imágenes que faltan</translation>
    </message>
    <message>
        <source>Pictures of this project that are no longer where they were: %1. Look for them in a folder and its subfolders?</source>
        <translation>Imágenes de este proyecto que ya no están donde estaban: %1. ¿Buscarlas en una carpeta y sus subcarpetas?</translation>
    </message>
    <message>
        <source>Where are the pictures now?</source>
        <translation>¿Dónde están ahora las imágenes?</translation>
    </message>
    <message>
        <source>The project could not be saved with the pictures found.</source>
        <translation>No se pudo guardar el proyecto con las imágenes encontradas.</translation>
    </message>
    <message>
        <source>%1 of %2 missing pictures were found.</source>
        <translation>Se encontraron %1 de %2 imágenes que faltaban.</translation>
    </message>
    <message>
        <source>Not found, so left out: %1</source>
        <translation>No encontradas, así que se omiten: %1</translation>
    </message>
    <message>
        <source>In that folder more than once, so left out: %1</source>
        <translation>Más de una vez en esa carpeta, así que se omiten: %1</translation>
    </message>
    <message>
        <source>The theme&apos;s videos are still being downloaded; the preview can play once they are here.</source>
        <translation>Los vídeos del tema aún se están descargando; la vista previa podrá reproducirse cuando lleguen.</translation>
    </message>
    <message>
        <source>There is nothing to preview yet: add photos or text scenes.</source>
        <translation>Aún no hay nada que previsualizar: añada fotos o escenas de texto.</translation>
    </message>
</context>
<context>
    <name>MediaVerticalSeparator</name>
    <message>
        <source>You have more content than your music track duration. Photos and text scenes under this line will be excluded from video.</source>
        <translation>Tienes más contenido que la duración de la música. Las fotos y escenas de texto bajo esta línea no se incluirán en el vídeo.</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… y %n más</numerusform>
            <numerusform>… y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>This was not added:
%1</source>
        <translation>Esto no se añadió:
%1</translation>
    </message>
    <message>
        <source>These were not added:
%1</source>
        <translation>Esto no se añadió:
%1</translation>
    </message>
</context>
<context>
    <name>PreviewDialog</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Preview of the slideshow</source>
        <translation>Vista previa de la presentación</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
</context>
<context>
    <name>PrjManager</name>
    <message>
        <source>1 slide of an unknown kind was left out.</source>
        <translation>Se ha omitido 1 diapositiva de un tipo desconocido.</translation>
    </message>
    <message>
        <source>%1 slides of an unknown kind were left out.</source>
        <translation>Se han omitido %1 diapositivas de un tipo desconocido.</translation>
    </message>
    <message>
        <source>There is no project to save.</source>
        <translation>No hay ningún proyecto que guardar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a project.</source>
        <translation>«%1» no es un proyecto.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The project in %1 cannot be read; it is left as it is.</source>
        <translation>No se puede leer el proyecto de %1; se deja tal como está.</translation>
    </message>
    <message>
        <source>The project could not be saved in %1.</source>
        <translation>No se pudo guardar el proyecto en %1.</translation>
    </message>
    <message>
        <source>%1 is neither a project id nor a project folder.</source>
        <translation>%1 no es ni un identificador de proyecto ni una carpeta de proyecto.</translation>
    </message>
    <message>
        <source>There is no project %1 in %2.</source>
        <translation>No hay ningún proyecto %1 en %2.</translation>
    </message>
</context>
<context>
    <name>ProjectForm</name>
    <message>
        <source>Resume</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Delete Project</source>
        <translation>Eliminar proyecto</translation>
    </message>
    <message>
        <source>Untitled project</source>
        <translation>Proyecto sin título</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Slides</source>
        <translation>Diapositivas</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 is missing.</source>
        <translation>Falta %1.</translation>
    </message>
    <message>
        <source>%1 is not an H.264 video.</source>
        <translation>%1 no es un vídeo H.264.</translation>
    </message>
    <message>
        <source>%1 holds no frames.</source>
        <translation>%1 no contiene fotogramas.</translation>
    </message>
</context>
<context>
    <name>RenderProgressForm</name>
    <message>
        <source>Making Video</source>
        <translation>Creando vídeo</translation>
    </message>
    <message>
        <source>%1 so far</source>
        <translation>%1 transcurrido</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>faltan unos %1</translation>
    </message>
</context>
<context>
    <name>RenderWorker</name>
    <message>
        <source>The video cannot be written in %1: %2</source>
        <translation>No se puede escribir el vídeo en %1: %2</translation>
    </message>
    <message>
        <source>%1 appeared during the render and is kept; the new video was not saved.</source>
        <translation>%1 apareció mientras se creaba el vídeo y se conserva; el vídeo nuevo no se ha guardado.</translation>
    </message>
    <message>
        <source>The video could not be saved as %1: %2</source>
        <translation>No se pudo guardar el vídeo como %1: %2</translation>
    </message>
    <message>
        <source>The unfinished file %1 could not be removed.</source>
        <translation>No se pudo eliminar el archivo sin terminar %1.</translation>
    </message>
    <message>
        <source>The video is larger than this system allows: a file may hold at most %1 here (%2).</source>
        <translation>El vídeo es más grande de lo que permite este sistema: aquí un archivo puede ocupar como máximo %1 (%2).</translation>
    </message>
    <message>
        <source>The folder %1, or the unfinished video in it, was removed during the render.</source>
        <translation>La carpeta %1, o el vídeo sin terminar que contenía, se eliminó mientras se creaba el vídeo.</translation>
    </message>
</context>
<context>
    <name>SelectAudioForm</name>
    <message>
        <source>Your theme</source>
        <translation>Tu tema</translation>
    </message>
    <message>
        <source>Add Background Music</source>
        <translation>Añadir música de fondo</translation>
    </message>
    <message>
        <source>Choose Music Files</source>
        <translation>Elegir archivos de música</translation>
    </message>
    <message>
        <source>Background Music</source>
        <translation>Música de fondo</translation>
    </message>
    <message>
        <source>Add More Music</source>
        <translation>Añadir más música</translation>
    </message>
    <message>
        <source>Skip Audio</source>
        <translation>Omitir música</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read as music and was not added.</source>
        <translation>«%1» no se puede leer como música y no se ha añadido.</translation>
    </message>
    <message>
        <source>These files cannot be read as music and were not added:
%1</source>
        <translation>Estos archivos no se pueden leer como música y no se han añadido:
%1</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Abrir archivo de audio</translation>
    </message>
    <message>
        <source>(*.mp3 *.m4a)</source>
        <translation>(*.mp3 *.m4a)</translation>
    </message>
    <message>
        <source>cannot be read as music</source>
        <translation>no se puede leer como música</translation>
    </message>
    <message>
        <source>MP3 or M4A files play one after another under your slides. Choose them, or drop them here.</source>
        <translation>Los archivos MP3 o M4A suenan uno tras otro con tus diapositivas. Elígelos o suéltalos aquí.</translation>
    </message>
</context>
<context>
    <name>SelectImagesForm</name>
    <message>
        <source>Add Images</source>
        <translation>Añadir imágenes</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>Añadir carpeta de imágenes</translation>
    </message>
    <message>
        <source>Add Text Scene</source>
        <translation>Añadir escena de texto</translation>
    </message>
    <message>
        <source>Add music</source>
        <translation>Añadir música</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>archivos de audio</translation>
    </message>
    <message>
        <source>Missed image files will be skipped.</source>
        <translation>Se omitirán los archivos de imagen que faltan.</translation>
    </message>
    <message>
        <source>Import Image Files</source>
        <translation>Importar archivos de imagen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Add photos and text scenes, or drop photos and folders here: they play in the order you give them.</source>
        <translation>Añade fotos y escenas de texto, o suelta aquí fotos y carpetas: se reproducen en el orden que les des.</translation>
    </message>
</context>
<context>
    <name>SelectThemeForm</name>
    <message>
        <source>My Recent Projects</source>
        <translation>Mis proyectos recientes</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Mostrar todo</translation>
    </message>
    <message>
        <source>Hide all</source>
        <translation>Ocultar todo</translation>
    </message>
    <message>
        <source>Select Theme</source>
        <translation>Elige un tema</translation>
    </message>
    <message>
        <source>Subscribe for new Themes and Updates</source>
        <translation>Suscríbete para recibir nuevos temas y novedades</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>Síguenos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete Project</source>
        <translation>Eliminar proyecto</translation>
    </message>
    <message>
        <source>The project will be removed from this computer. This cannot be undone.</source>
        <translation>El proyecto se eliminará de este ordenador. Esta acción no se puede deshacer.</translation>
    </message>
    <message>
        <source>The project could not be deleted.</source>
        <translation>No se pudo eliminar el proyecto.</translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>Video settings</source>
        <translation>Ajustes de vídeo</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Calidad de vídeo</translation>
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
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Add Pictavio logo at the end of the video</source>
        <translation>Añadir el logotipo de Pictavio al final del vídeo</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
</context>
<context>
    <name>SlideForm</name>
    <message>
        <source>Turn left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>This picture cannot be read; it is left out of the video.</source>
        <translation>No se puede leer esta imagen; no se incluirá en el vídeo.</translation>
    </message>
    <message>
        <source>Delete removes the slide; [ and ] turn the picture.</source>
        <translation>Supr elimina la diapositiva; [ y ] giran la imagen.</translation>
    </message>
    <message>
        <source>Delete removes the slide; Enter edits the text.</source>
        <translation>Supr elimina la diapositiva; Intro edita el texto.</translation>
    </message>
    <message>
        <source>Ctrl+Left and Ctrl+Right move the slide.</source>
        <translation>Ctrl+Flecha izquierda y Ctrl+Flecha derecha mueven la diapositiva.</translation>
    </message>
</context>
<context>
    <name>Slideshow</name>
    <message>
        <source>Its theme &quot;%1&quot; cannot be read (%2).</source>
        <translation>No se puede leer su tema «%1» (%2).</translation>
    </message>
</context>
<context>
    <name>TextSceneDialog</name>
    <message>
        <source>Text Scene</source>
        <translation>Escena de texto</translation>
    </message>
    <message>
        <source>Add Text Scene</source>
        <translation>Añadir escena de texto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Edit Text Scene</source>
        <translation>Editar escena de texto</translation>
    </message>
    <message>
        <source>Type your text here...</source>
        <translation>Escribe tu texto aquí...</translation>
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
        <translation>Elegir otro tema</translation>
    </message>
    <message>
        <source>Retry download</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Network problem</source>
        <translation>Problema de red</translation>
    </message>
</context>
<context>
    <name>ThemeDownloadErrorForm</name>
    <message>
        <source>We have problem with downloading theme files from internet.</source>
        <translation>Hubo un problema al descargar los archivos del tema desde internet.</translation>
    </message>
    <message>
        <source>Please check your internet connection and try again.</source>
        <translation>Comprueba tu conexión a internet e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>If this problem persists, please contact our support at </source>
        <translation>Si el problema continúa, ponte en contacto con nuestro soporte en </translation>
    </message>
</context>
<context>
    <name>ThemeThumbnailForm</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Use this theme</source>
        <translation>Usar este tema</translation>
    </message>
</context>
<context>
    <name>TmplDownloadManager</name>
    <message>
        <source>The theme could not be read, so its files cannot be fetched.</source>
        <translation>No se pudo leer el tema, así que no se pueden descargar sus archivos.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>No se puede escribir %1.</translation>
    </message>
    <message>
        <source>%1 is larger than a theme video can be: %2, at most %3.</source>
        <translation>%1 es más grande de lo que puede ser un vídeo de tema: %2, como máximo %3.</translation>
    </message>
    <message>
        <source>The disk is full: %1 needs %2, but %3 has only %4 free.</source>
        <translation>El disco está lleno: %1 necesita %2, pero en %3 solo quedan %4 libres.</translation>
    </message>
    <message>
        <source>The disk is full: %1 cannot be written.</source>
        <translation>El disco está lleno: no se puede escribir %1.</translation>
    </message>
    <message>
        <source>The server sends %1 too slowly: %2 in the last %3 s, at least %4 a second are needed.</source>
        <translation>El servidor envía %1 demasiado despacio: %2 en los últimos %3 s; se necesitan al menos %4 por segundo.</translation>
    </message>
    <message>
        <source>The server sends %1 too slowly: %2 of %3 in %4 s.</source>
        <translation>El servidor envía %1 demasiado despacio: %2 de %3 en %4 s.</translation>
    </message>
    <message>
        <source>The server answered %1 for %2.</source>
        <translation>El servidor respondió %1 para %2.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete: %2 of %3 bytes.</source>
        <translation>%1 llegó incompleto: %2 de %3 bytes.</translation>
    </message>
    <message>
        <source>Secure connection failed.</source>
        <translation>Falló la conexión segura.</translation>
    </message>
    <message>
        <source>The server stopped sending %1: nothing came for %2 s.</source>
        <translation>El servidor dejó de enviar %1: no llegó nada en %2 s.</translation>
    </message>
</context>
<context>
    <name>VideoSettings</name>
    <message>
        <source>No folder was chosen for the video.</source>
        <translation>No se ha elegido ninguna carpeta para el vídeo.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The folder %1 does not accept new files.</source>
        <translation>La carpeta %1 no admite archivos nuevos.</translation>
    </message>
</context>
</TS>
