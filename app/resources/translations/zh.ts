<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh">
<context>
    <name>AudioFileForm</name>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
</context>
<context>
    <name>BaseDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>DoneBackBtnsForm</name>
    <message>
        <source>Back to </source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>DoneForm</name>
    <message>
        <source>Play Video</source>
        <translation>播放视频</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Your video is ready to play.</source>
        <translation>您的视频已可以播放。</translation>
    </message>
    <message>
        <source>Click button below to show file.</source>
        <translation>点击下方按钮查看文件。</translation>
    </message>
    <message>
        <source>Open Folder with Video</source>
        <translation>打开视频所在文件夹</translation>
    </message>
    <message>
        <source>Share your video on</source>
        <translation>分享您的视频到</translation>
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
        <translation>有问题或想法？&lt;a href=&quot;%1&quot; style=&quot;color: #0099ff;&quot;&gt;联系我们&lt;/a&gt;</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>无法打开 %1。</translation>
    </message>
</context>
<context>
    <name>DownloadingThemeForm</name>
    <message>
        <source>Downloading theme</source>
        <translation>正在下载主题</translation>
    </message>
    <message>
        <source>Downloading theme&apos;s files from internet.</source>
        <translation>正在从互联网下载主题文件。</translation>
    </message>
    <message>
        <source>Depending on your internet connection speed</source>
        <translation>根据您的网络速度，</translation>
    </message>
    <message>
        <source>it can take up to few minutes.</source>
        <translation>可能需要几分钟。</translation>
    </message>
    <message>
        <source>This files will be downloaded only once.</source>
        <translation>这些文件只需下载一次。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Skip Audio</source>
        <translation>跳过音乐</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Back to Themes</source>
        <translation>返回主题</translation>
    </message>
    <message>
        <source>Back to Music</source>
        <translation>返回音乐</translation>
    </message>
    <message>
        <source>Make Video</source>
        <translation>制作视频</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>The theme &quot;%1&quot; cannot be read. Please choose another theme.</source>
        <translation>无法读取主题“%1”。请选择其他主题。</translation>
    </message>
    <message>
        <source>This project cannot be read; it is left as it is.</source>
        <translation>无法读取此项目；项目保持原样。</translation>
    </message>
    <message>
        <source>Missed audio file will be skipped.</source>
        <translation>缺失的音频文件将被跳过。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The video could not be made: %1</source>
        <translation>无法制作视频：%1</translation>
    </message>
</context>
<context>
    <name>MediaVerticalSeparator</name>
    <message>
        <source>You have more content than your music track duration. Photos and text scenes under this line will be excluded from video.</source>
        <translation>内容比音乐时长更长。此线以下的照片和文字场景将不会出现在视频中。</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>ProjectForm</name>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Delete Project</source>
        <translation>删除项目</translation>
    </message>
    <message>
        <source>Untitled project</source>
        <translation>未命名项目</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音乐</translation>
    </message>
    <message>
        <source>Slides</source>
        <translation>幻灯片</translation>
    </message>
</context>
<context>
    <name>RenderProgressForm</name>
    <message>
        <source>Making Video</source>
        <translation>正在制作视频</translation>
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
        <translation>您的主题</translation>
    </message>
    <message>
        <source>Add Background Music</source>
        <translation>添加背景音乐</translation>
    </message>
    <message>
        <source>MP3 or M4A files play one after another under your slides.</source>
        <translation>MP3 或 M4A 文件将在幻灯片播放时依次播放。</translation>
    </message>
    <message>
        <source>Choose Music Files</source>
        <translation>选择音乐文件</translation>
    </message>
    <message>
        <source>Background Music</source>
        <translation>背景音乐</translation>
    </message>
    <message>
        <source>Add More Music</source>
        <translation>添加更多音乐</translation>
    </message>
    <message>
        <source>Skip Audio</source>
        <translation>跳过音乐</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read as music and was not added.</source>
        <translation>“%1”无法作为音乐读取，未添加。</translation>
    </message>
    <message>
        <source>These files cannot be read as music and were not added:
%1</source>
        <translation>以下文件无法作为音乐读取，未添加：
%1</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>打开音频文件</translation>
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
        <translation>添加图片</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>添加图片文件夹</translation>
    </message>
    <message>
        <source>Add Text Scene</source>
        <translation>添加文字场景</translation>
    </message>
    <message>
        <source>Add photos and text scenes: they play in the order you give them here.</source>
        <translation>添加照片和文字场景：它们将按此处的顺序播放。</translation>
    </message>
    <message>
        <source>Add music</source>
        <translation>添加音乐</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>个音频文件</translation>
    </message>
    <message>
        <source>Missed image files will be skipped.</source>
        <translation>缺失的图片文件将被跳过。</translation>
    </message>
    <message>
        <source>Import Image Files</source>
        <translation>导入图片文件</translation>
    </message>
</context>
<context>
    <name>SelectThemeForm</name>
    <message>
        <source>My Recent Projects</source>
        <translation>我的最近项目</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>显示全部</translation>
    </message>
    <message>
        <source>Hide all</source>
        <translation>全部隐藏</translation>
    </message>
    <message>
        <source>Select Theme</source>
        <translation>选择主题</translation>
    </message>
    <message>
        <source>Subscribe for new Themes and Updates</source>
        <translation>订阅新主题和更新</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>关注我们</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete Project</source>
        <translation>删除项目</translation>
    </message>
    <message>
        <source>The project will be removed from this computer. This cannot be undone.</source>
        <translation>该项目将从此电脑中删除。此操作无法撤销。</translation>
    </message>
    <message>
        <source>The project could not be deleted.</source>
        <translation>无法删除该项目。</translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>Video settings</source>
        <translation>视频设置</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>视频质量</translation>
    </message>
    <message>
        <source>HD (1280x720)</source>
        <translation>高清 (1280×720)</translation>
    </message>
    <message>
        <source>Full HD (1920x1080)</source>
        <translation>全高清 (1920×1080)</translation>
    </message>
    <message>
        <source>Result Directory</source>
        <translation>保存位置</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Add Pictavio logo at the end of the video</source>
        <translation>在视频结尾添加 Pictavio 标志</translation>
    </message>
</context>
<context>
    <name>SlideForm</name>
    <message>
        <source>Turn left</source>
        <translation>向左旋转</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>向右旋转</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>This picture cannot be read; it is left out of the video.</source>
        <translation>无法读取此图片，它将不会出现在视频中。</translation>
    </message>
    <message>
        <source>Delete removes the slide; [ and ] turn the picture.</source>
        <translation>按 Delete 删除幻灯片，按 [ 和 ] 旋转图片。</translation>
    </message>
    <message>
        <source>Delete removes the slide; Enter edits the text.</source>
        <translation>按 Delete 删除幻灯片，按 Enter 编辑文字。</translation>
    </message>
</context>
<context>
    <name>TextSceneDialog</name>
    <message>
        <source>Text Scene</source>
        <translation>文字场景</translation>
    </message>
    <message>
        <source>Add Text Scene</source>
        <translation>添加文字场景</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Edit Text Scene</source>
        <translation>编辑文字场景</translation>
    </message>
    <message>
        <source>Type your text here...</source>
        <translation>在此输入文字...</translation>
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
        <translation>选择其他主题</translation>
    </message>
    <message>
        <source>Retry download</source>
        <translation>重新下载</translation>
    </message>
    <message>
        <source>Network problem</source>
        <translation>网络问题</translation>
    </message>
</context>
<context>
    <name>ThemeDownloadErrorForm</name>
    <message>
        <source>We have problem with downloading theme files from internet.</source>
        <translation>从互联网下载主题文件时出现问题。</translation>
    </message>
    <message>
        <source>Please check your internet connection and try again.</source>
        <translation>请检查您的网络连接，然后重试。</translation>
    </message>
    <message>
        <source>If this problem persists, please contact our support at </source>
        <translation>如仍有问题，请联系客服：</translation>
    </message>
</context>
<context>
    <name>ThemeThumbnailForm</name>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Use this theme</source>
        <translation>使用此主题</translation>
    </message>
</context>
</TS>
