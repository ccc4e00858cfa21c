<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>AudioFileForm</name>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
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
        <translation>Concluído</translation>
    </message>
</context>
<context>
    <name>DoneBackBtnsForm</name>
    <message>
        <source>Back to </source>
        <translation>Voltar para </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
</context>
<context>
    <name>DoneForm</name>
    <message>
        <source>Play Video</source>
        <translation>Reproduzir vídeo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Your video is ready to play.</source>
        <translation>Seu vídeo está pronto.</translation>
    </message>
    <message>
        <source>Click button below to show file.</source>
        <translation>Clique no botão abaixo para ver o arquivo.</translation>
    </message>
    <message>
        <source>Open Folder with Video</source>
        <translation>Abrir pasta do vídeo</translation>
    </message>
    <message>
        <source>Share your video on</source>
        <translation>Compartilhe seu vídeo no</translation>
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
        <translation>Dúvidas ou ideias? &lt;a href=&quot;%1&quot; style=&quot;color: #0099ff;&quot;&gt;Fale conosco&lt;/a&gt;</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>Não foi possível abrir %1.</translation>
    </message>
</context>
<context>
    <name>DownloadingThemeForm</name>
    <message>
        <source>Downloading theme</source>
        <translation>Baixando tema</translation>
    </message>
    <message>
        <source>Downloading theme&apos;s files from internet.</source>
        <translation>Baixando os arquivos do tema da internet.</translation>
    </message>
    <message>
        <source>Depending on your internet connection speed</source>
        <translation>Dependendo da velocidade da sua conexão,</translation>
    </message>
    <message>
        <source>it can take up to few minutes.</source>
        <translation>isso pode levar alguns minutos.</translation>
    </message>
    <message>
        <source>This files will be downloaded only once.</source>
        <translation>Estes arquivos serão baixados só uma vez.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Skip Audio</source>
        <translation>Pular música</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Back to Themes</source>
        <translation>Voltar aos temas</translation>
    </message>
    <message>
        <source>Back to Music</source>
        <translation>Voltar à música</translation>
    </message>
    <message>
        <source>Make Video</source>
        <translation>Criar vídeo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>The theme &quot;%1&quot; cannot be read. Please choose another theme.</source>
        <translation>Não foi possível ler o tema &quot;%1&quot;. Escolha outro tema.</translation>
    </message>
    <message>
        <source>This project cannot be read; it is left as it is.</source>
        <translation>Não foi possível ler este projeto; ele foi mantido como está.</translation>
    </message>
    <message>
        <source>Missed audio file will be skipped.</source>
        <translation>Os arquivos de áudio ausentes serão ignorados.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The video could not be made: %1</source>
        <translation>Não foi possível criar o vídeo: %1</translation>
    </message>
</context>
<context>
    <name>MediaVerticalSeparator</name>
    <message>
        <source>You have more content than your music track duration. Photos and text scenes under this line will be excluded from video.</source>
        <translation>Você tem mais conteúdo do que a duração da música. Fotos e cenas de texto abaixo desta linha ficarão fora do vídeo.</translation>
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
        <translation>OK</translation>
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
        <translation>Excluir projeto</translation>
    </message>
    <message>
        <source>Untitled project</source>
        <translation>Projeto sem título</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Slides</source>
        <translation>Slides</translation>
    </message>
</context>
<context>
    <name>RenderProgressForm</name>
    <message>
        <source>Making Video</source>
        <translation>Criando vídeo</translation>
    </message>
    <message>
        <source>%p%</source>
        <translation>%p%</translation>
    </message>
</context>
<context>
    <name>SelectAudioForm</name>
    <message>
        <source>Your theme</source>
        <translation>Seu tema</translation>
    </message>
    <message>
        <source>Add Background Music</source>
        <translation>Adicionar música de fundo</translation>
    </message>
    <message>
        <source>MP3 or M4A files play one after another under your slides.</source>
        <translation>Arquivos MP3 ou M4A tocam um após o outro com seus slides.</translation>
    </message>
    <message>
        <source>Choose Music Files</source>
        <translation>Escolher arquivos de música</translation>
    </message>
    <message>
        <source>Background Music</source>
        <translation>Música de fundo</translation>
    </message>
    <message>
        <source>Add More Music</source>
        <translation>Adicionar mais músicas</translation>
    </message>
    <message>
        <source>Skip Audio</source>
        <translation>Pular música</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read as music and was not added.</source>
        <translation>&quot;%1&quot; não pôde ser lido como música e não foi adicionado.</translation>
    </message>
    <message>
        <source>These files cannot be read as music and were not added:
%1</source>
        <translation>Estes arquivos não puderam ser lidos como música e não foram adicionados:
%1</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Abrir arquivo de áudio</translation>
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
        <translation>Adicionar imagens</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>Adicionar pasta de imagens</translation>
    </message>
    <message>
        <source>Add Text Scene</source>
        <translation>Adicionar cena de texto</translation>
    </message>
    <message>
        <source>Add photos and text scenes: they play in the order you give them here.</source>
        <translation>Adicione fotos e cenas de texto: elas tocam na ordem que você definir aqui.</translation>
    </message>
    <message>
        <source>Add music</source>
        <translation>Adicionar música</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>arquivos de áudio</translation>
    </message>
    <message>
        <source>Missed image files will be skipped.</source>
        <translation>Os arquivos de imagem ausentes serão ignorados.</translation>
    </message>
    <message>
        <source>Import Image Files</source>
        <translation>Importar arquivos de imagem</translation>
    </message>
</context>
<context>
    <name>SelectThemeForm</name>
    <message>
        <source>My Recent Projects</source>
        <translation>Meus projetos recentes</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Mostrar tudo</translation>
    </message>
    <message>
        <source>Hide all</source>
        <translation>Ocultar tudo</translation>
    </message>
    <message>
        <source>Select Theme</source>
        <translation>Escolha um tema</translation>
    </message>
    <message>
        <source>Subscribe for new Themes and Updates</source>
        <translation>Assine para receber novos temas e atualizações</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>Siga-nos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Delete Project</source>
        <translation>Excluir projeto</translation>
    </message>
    <message>
        <source>The project will be removed from this computer. This cannot be undone.</source>
        <translation>O projeto será removido deste computador. Esta ação não pode ser desfeita.</translation>
    </message>
    <message>
        <source>The project could not be deleted.</source>
        <translation>Não foi possível excluir o projeto.</translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>Video settings</source>
        <translation>Configurações do vídeo</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Qualidade do vídeo</translation>
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
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Add Pictavio logo at the end of the video</source>
        <translation>Adicionar o logotipo do Pictavio ao final do vídeo</translation>
    </message>
</context>
<context>
    <name>SlideForm</name>
    <message>
        <source>Turn left</source>
        <translation>Girar para a esquerda</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Girar para a direita</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>This picture cannot be read; it is left out of the video.</source>
        <translation>Não foi possível ler esta imagem; ela ficará fora do vídeo.</translation>
    </message>
    <message>
        <source>Delete removes the slide; [ and ] turn the picture.</source>
        <translation>Delete remove o slide; [ e ] giram a imagem.</translation>
    </message>
    <message>
        <source>Delete removes the slide; Enter edits the text.</source>
        <translation>Delete remove o slide; Enter edita o texto.</translation>
    </message>
</context>
<context>
    <name>TextSceneDialog</name>
    <message>
        <source>Text Scene</source>
        <translation>Cena de texto</translation>
    </message>
    <message>
        <source>Add Text Scene</source>
        <translation>Adicionar cena de texto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Edit Text Scene</source>
        <translation>Editar cena de texto</translation>
    </message>
    <message>
        <source>Type your text here...</source>
        <translation>Digite seu texto aqui...</translation>
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
        <translation>Escolher outro tema</translation>
    </message>
    <message>
        <source>Retry download</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Network problem</source>
        <translation>Problema de rede</translation>
    </message>
</context>
<context>
    <name>ThemeDownloadErrorForm</name>
    <message>
        <source>We have problem with downloading theme files from internet.</source>
        <translation>Houve um problema ao baixar os arquivos do tema da internet.</translation>
    </message>
    <message>
        <source>Please check your internet connection and try again.</source>
        <translation>Verifique sua conexão com a internet e tente novamente.</translation>
    </message>
    <message>
        <source>If this problem persists, please contact our support at </source>
        <translation>Se o problema persistir, entre em contato com nosso suporte em </translation>
    </message>
</context>
<context>
    <name>ThemeThumbnailForm</name>
    <message>
        <source>Preview</source>
        <translation>Pré-visualizar</translation>
    </message>
    <message>
        <source>Use this theme</source>
        <translation>Usar este tema</translation>
    </message>
</context>
</TS>
