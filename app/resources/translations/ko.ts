<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>AudioFileForm</name>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
</context>
<context>
    <name>BaseDialog</name>
    <message>
        <source>Dialog</source>
        <translation>대화 상자</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>DoneBackBtnsForm</name>
    <message>
        <source>Back to </source>
        <translation>돌아가기: </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>DoneForm</name>
    <message>
        <source>Play Video</source>
        <translation>동영상 재생</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Your video is ready to play.</source>
        <translation>동영상이 준비되었습니다.</translation>
    </message>
    <message>
        <source>Click button below to show file.</source>
        <translation>아래 버튼을 눌러 파일을 확인하세요.</translation>
    </message>
    <message>
        <source>Open Folder with Video</source>
        <translation>동영상 폴더 열기</translation>
    </message>
    <message>
        <source>Share your video on</source>
        <translation>동영상 공유하기:</translation>
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
        <translation>질문이나 아이디어가 있으신가요? &lt;a href=&quot;%1&quot; style=&quot;color: #0099ff;&quot;&gt;문의하기&lt;/a&gt;</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>%1을(를) 열 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>DownloadingThemeForm</name>
    <message>
        <source>Downloading theme</source>
        <translation>테마 다운로드 중</translation>
    </message>
    <message>
        <source>Downloading theme&apos;s files from internet.</source>
        <translation>인터넷에서 테마 파일을 다운로드하는 중입니다.</translation>
    </message>
    <message>
        <source>Depending on your internet connection speed</source>
        <translation>인터넷 연결 속도에 따라</translation>
    </message>
    <message>
        <source>it can take up to few minutes.</source>
        <translation>몇 분 정도 걸릴 수 있습니다.</translation>
    </message>
    <message>
        <source>This files will be downloaded only once.</source>
        <translation>이 파일은 한 번만 다운로드됩니다.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Skip Audio</source>
        <translation>음악 건너뛰기</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Back to Themes</source>
        <translation>테마로 돌아가기</translation>
    </message>
    <message>
        <source>Back to Music</source>
        <translation>음악으로 돌아가기</translation>
    </message>
    <message>
        <source>Make Video</source>
        <translation>동영상 만들기</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>The theme &quot;%1&quot; cannot be read. Please choose another theme.</source>
        <translation>&quot;%1&quot; 테마를 읽을 수 없습니다. 다른 테마를 선택하세요.</translation>
    </message>
    <message>
        <source>This project cannot be read; it is left as it is.</source>
        <translation>이 프로젝트를 읽을 수 없습니다. 프로젝트는 그대로 유지됩니다.</translation>
    </message>
    <message>
        <source>Missed audio file will be skipped.</source>
        <translation>찾을 수 없는 오디오 파일은 건너뜁니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>The video could not be made: %1</source>
        <translation>동영상을 만들 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>MediaVerticalSeparator</name>
    <message>
        <source>You have more content than your music track duration. Photos and text scenes under this line will be excluded from video.</source>
        <translation>콘텐츠가 음악 길이보다 깁니다. 이 선 아래의 사진과 텍스트 장면은 동영상에서 제외됩니다.</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Dialog</source>
        <translation>대화 상자</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>ProjectForm</name>
    <message>
        <source>Resume</source>
        <translation>계속하기</translation>
    </message>
    <message>
        <source>Delete Project</source>
        <translation>프로젝트 삭제</translation>
    </message>
    <message>
        <source>Untitled project</source>
        <translation>제목 없는 프로젝트</translation>
    </message>
    <message>
        <source>none</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>음악</translation>
    </message>
    <message>
        <source>Slides</source>
        <translation>슬라이드</translation>
    </message>
</context>
<context>
    <name>RenderProgressForm</name>
    <message>
        <source>Making Video</source>
        <translation>동영상 만드는 중</translation>
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
        <translation>선택한 테마</translation>
    </message>
    <message>
        <source>Add Background Music</source>
        <translation>배경 음악 추가</translation>
    </message>
    <message>
        <source>MP3 or M4A files play one after another under your slides.</source>
        <translation>MP3 또는 M4A 파일이 슬라이드와 함께 차례로 재생됩니다.</translation>
    </message>
    <message>
        <source>Choose Music Files</source>
        <translation>음악 파일 선택</translation>
    </message>
    <message>
        <source>Background Music</source>
        <translation>배경 음악</translation>
    </message>
    <message>
        <source>Add More Music</source>
        <translation>음악 더 추가</translation>
    </message>
    <message>
        <source>Skip Audio</source>
        <translation>음악 건너뛰기</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read as music and was not added.</source>
        <translation>&quot;%1&quot;은(는) 음악으로 읽을 수 없어 추가하지 않았습니다.</translation>
    </message>
    <message>
        <source>These files cannot be read as music and were not added:
%1</source>
        <translation>다음 파일은 음악으로 읽을 수 없어 추가하지 않았습니다:
%1</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>오디오 파일 열기</translation>
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
        <translation>이미지 추가</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>이미지 폴더 추가</translation>
    </message>
    <message>
        <source>Add Text Scene</source>
        <translation>텍스트 장면 추가</translation>
    </message>
    <message>
        <source>Add photos and text scenes: they play in the order you give them here.</source>
        <translation>사진과 텍스트 장면을 추가하세요. 여기에서 정한 순서대로 재생됩니다.</translation>
    </message>
    <message>
        <source>Add music</source>
        <translation>음악 추가</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>개의 오디오 파일</translation>
    </message>
    <message>
        <source>Missed image files will be skipped.</source>
        <translation>찾을 수 없는 이미지 파일은 건너뜁니다.</translation>
    </message>
    <message>
        <source>Import Image Files</source>
        <translation>이미지 파일 가져오기</translation>
    </message>
</context>
<context>
    <name>SelectThemeForm</name>
    <message>
        <source>My Recent Projects</source>
        <translation>최근 프로젝트</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>모두 보기</translation>
    </message>
    <message>
        <source>Hide all</source>
        <translation>모두 숨기기</translation>
    </message>
    <message>
        <source>Select Theme</source>
        <translation>테마 선택</translation>
    </message>
    <message>
        <source>Subscribe for new Themes and Updates</source>
        <translation>새 테마와 업데이트 소식 받기</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>팔로우하기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Delete Project</source>
        <translation>프로젝트 삭제</translation>
    </message>
    <message>
        <source>The project will be removed from this computer. This cannot be undone.</source>
        <translation>프로젝트가 이 컴퓨터에서 삭제됩니다. 이 작업은 되돌릴 수 없습니다.</translation>
    </message>
    <message>
        <source>The project could not be deleted.</source>
        <translation>프로젝트를 삭제할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>Video settings</source>
        <translation>동영상 설정</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>동영상 화질</translation>
    </message>
    <message>
        <source>HD (1280x720)</source>
        <translation>HD (1280×720)</translation>
    </message>
    <message>
        <source>Full HD (1920x1080)</source>
        <translation>풀 HD (1920×1080)</translation>
    </message>
    <message>
        <source>Result Directory</source>
        <translation>저장 폴더</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>찾아보기...</translation>
    </message>
    <message>
        <source>Add Pictavio logo at the end of the video</source>
        <translation>동영상 끝에 Pictavio 로고 넣기</translation>
    </message>
</context>
<context>
    <name>SlideForm</name>
    <message>
        <source>Turn left</source>
        <translation>왼쪽으로 회전</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>오른쪽으로 회전</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>This picture cannot be read; it is left out of the video.</source>
        <translation>이 사진을 읽을 수 없어 동영상에서 제외됩니다.</translation>
    </message>
    <message>
        <source>Delete removes the slide; [ and ] turn the picture.</source>
        <translation>Delete 키로 슬라이드를 삭제하고, [ 와 ] 키로 사진을 회전합니다.</translation>
    </message>
    <message>
        <source>Delete removes the slide; Enter edits the text.</source>
        <translation>Delete 키로 슬라이드를 삭제하고, Enter 키로 텍스트를 편집합니다.</translation>
    </message>
</context>
<context>
    <name>TextSceneDialog</name>
    <message>
        <source>Text Scene</source>
        <translation>텍스트 장면</translation>
    </message>
    <message>
        <source>Add Text Scene</source>
        <translation>텍스트 장면 추가</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Edit Text Scene</source>
        <translation>텍스트 장면 편집</translation>
    </message>
    <message>
        <source>Type your text here...</source>
        <translation>여기에 텍스트를 입력하세요...</translation>
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
        <translation>다른 테마 선택</translation>
    </message>
    <message>
        <source>Retry download</source>
        <translation>다시 다운로드</translation>
    </message>
    <message>
        <source>Network problem</source>
        <translation>네트워크 문제</translation>
    </message>
</context>
<context>
    <name>ThemeDownloadErrorForm</name>
    <message>
        <source>We have problem with downloading theme files from internet.</source>
        <translation>인터넷에서 테마 파일을 다운로드하는 중 문제가 발생했습니다.</translation>
    </message>
    <message>
        <source>Please check your internet connection and try again.</source>
        <translation>인터넷 연결을 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>If this problem persists, please contact our support at </source>
        <translation>문제가 계속되면 문의하세요: </translation>
    </message>
</context>
<context>
    <name>ThemeThumbnailForm</name>
    <message>
        <source>Preview</source>
        <translation>미리 보기</translation>
    </message>
    <message>
        <source>Use this theme</source>
        <translation>이 테마 사용</translation>
    </message>
</context>
</TS>
