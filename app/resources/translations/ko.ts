<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>AVInput</name>
    <message>
        <source>%1 cannot be opened (%2).</source>
        <translation>%1을(를) 열 수 없습니다(%2).</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2).</source>
        <translation>%1을(를) 읽을 수 없습니다(%2).</translation>
    </message>
    <message>
        <source>%1 has no sound.</source>
        <translation>%1에는 소리가 없습니다.</translation>
    </message>
    <message>
        <source>%1 has no video.</source>
        <translation>%1에는 영상이 없습니다.</translation>
    </message>
    <message>
        <source>%1 uses a format that cannot be decoded.</source>
        <translation>%1은(는) 디코딩할 수 없는 형식입니다.</translation>
    </message>
    <message>
        <source>%1 cannot be decoded (%2).</source>
        <translation>%1을(를) 디코딩할 수 없습니다(%2).</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1을(를) 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 cannot be opened as a picture.</source>
        <translation>%1을(를) 이미지로 열 수 없습니다.</translation>
    </message>
    <message>
        <source>Out of memory for %1.</source>
        <translation>%1을(를) 처리할 메모리가 부족합니다.</translation>
    </message>
</context>
<context>
    <name>AVOutput</name>
    <message>
        <source>No H.264 encoder is available.</source>
        <translation>사용할 수 있는 H.264 인코더가 없습니다.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>메모리가 부족합니다.</translation>
    </message>
    <message>
        <source>The video encoder cannot start (%1).</source>
        <translation>동영상 인코더를 시작할 수 없습니다(%1).</translation>
    </message>
    <message>
        <source>No AAC encoder is available.</source>
        <translation>사용할 수 있는 AAC 인코더가 없습니다.</translation>
    </message>
    <message>
        <source>The audio encoder cannot start (%1).</source>
        <translation>오디오 인코더를 시작할 수 없습니다(%1).</translation>
    </message>
    <message>
        <source>The video settings are not usable.</source>
        <translation>동영상 설정을 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2).</source>
        <translation>%1에 쓸 수 없습니다(%2).</translation>
    </message>
    <message>
        <source>The video header cannot be written (%1).</source>
        <translation>동영상 헤더를 쓸 수 없습니다(%1).</translation>
    </message>
    <message>
        <source>The video cannot be encoded (%1).</source>
        <translation>동영상을 인코딩할 수 없습니다(%1).</translation>
    </message>
    <message>
        <source>The video file cannot be written (%1).</source>
        <translation>동영상 파일에 쓸 수 없습니다(%1).</translation>
    </message>
    <message>
        <source>The video file is not open.</source>
        <translation>동영상 파일이 열려 있지 않습니다.</translation>
    </message>
    <message>
        <source>A frame without a usable time base (%1/%2) cannot be written.</source>
        <translation>사용할 수 있는 타임 베이스가 없는 프레임(%1/%2)은 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>The music cannot be converted.</source>
        <translation>음악을 변환할 수 없습니다.</translation>
    </message>
    <message>
        <source>The end of the video file cannot be written (%1).</source>
        <translation>동영상 파일의 끝부분을 쓸 수 없습니다(%1).</translation>
    </message>
</context>
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
    <name>DroppedFiles</name>
    <message>
        <source>not a file on this computer</source>
        <translation>이 컴퓨터의 파일이 아닙니다</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>찾을 수 없습니다</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>not a kind of photo that can be opened</source>
        <translation>열 수 있는 사진 형식이 아닙니다</translation>
    </message>
    <message>
        <source>a folder without photos</source>
        <translation>사진이 없는 폴더</translation>
    </message>
    <message>
        <source>a folder without music</source>
        <translation>음악이 없는 폴더</translation>
    </message>
</context>
<context>
    <name>H264Render</name>
    <message>
        <source>The video could not be made.</source>
        <translation>동영상을 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>There is nothing to render.</source>
        <translation>동영상으로 만들 내용이 없습니다.</translation>
    </message>
    <message>
        <source>The video file could not be written.</source>
        <translation>동영상 파일을 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>The theme has no scene %1.</source>
        <translation>테마에 장면 %1이(가) 없습니다.</translation>
    </message>
    <message>
        <source>Scene %1 is of an unknown kind (%2).</source>
        <translation>장면 %1은(는) 알 수 없는 종류입니다(%2).</translation>
    </message>
    <message>
        <source>Scene %1 has an unknown kind of background (%2).</source>
        <translation>장면 %1의 배경은 알 수 없는 종류입니다(%2).</translation>
    </message>
    <message>
        <source>The background of scene %1 cannot be read: %2</source>
        <translation>장면 %1의 배경을 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Scene %1 cannot be prepared: %2</source>
        <translation>장면 %1을(를) 준비할 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>%1 could not be opened.</source>
        <translation>%1을(를) 열 수 없습니다.</translation>
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
    <message>
        <source>The theme &quot;%1&quot; cannot be read (%2). Please choose another theme.</source>
        <translation>테마 &quot;%1&quot;을(를) 읽을 수 없습니다(%2). 다른 테마를 선택하세요.</translation>
    </message>
    <message>
        <source>Skip them</source>
        <translation>건너뛰기</translation>
    </message>
    <message>
        <source>Look for them</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>Missing pictures</source>
        <translation>없는 사진</translation>
    </message>
    <message>
        <source>Pictures of this project that are no longer where they were: %1. Look for them in a folder and its subfolders?</source>
        <translation>원래 위치에 없는 이 프로젝트의 사진: %1개. 폴더와 그 하위 폴더에서 찾을까요?</translation>
    </message>
    <message>
        <source>Where are the pictures now?</source>
        <translation>사진은 지금 어디에 있나요?</translation>
    </message>
    <message>
        <source>The project could not be saved with the pictures found.</source>
        <translation>찾은 사진으로 프로젝트를 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 of %2 missing pictures were found.</source>
        <translation>없던 사진 %2개 중 %1개를 찾았습니다.</translation>
    </message>
    <message>
        <source>Not found, so left out: %1</source>
        <translation>찾지 못해 제외됨: %1</translation>
    </message>
    <message>
        <source>In that folder more than once, so left out: %1</source>
        <translation>그 폴더에 둘 이상 있어 제외됨: %1</translation>
    </message>
    <message>
        <source>The theme&apos;s videos are still being downloaded; the preview can play once they are here.</source>
        <translation>테마 동영상을 아직 내려받는 중입니다. 도착하면 미리보기를 재생할 수 있습니다.</translation>
    </message>
    <message>
        <source>There is nothing to preview yet: add photos or text scenes.</source>
        <translation>아직 미리 볼 것이 없습니다. 사진이나 텍스트 장면을 추가하세요.</translation>
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
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… 외 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>This was not added:
%1</source>
        <translation>다음 항목은 추가되지 않았습니다:
%1</translation>
    </message>
    <message>
        <source>These were not added:
%1</source>
        <translation>다음 항목은 추가되지 않았습니다:
%1</translation>
    </message>
</context>
<context>
    <name>PreviewDialog</name>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>미리보기</translation>
    </message>
    <message>
        <source>Preview of the slideshow</source>
        <translation>슬라이드쇼 미리보기</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>재생</translation>
    </message>
</context>
<context>
    <name>PrjManager</name>
    <message>
        <source>1 slide of an unknown kind was left out.</source>
        <translation>알 수 없는 종류의 슬라이드 1개를 제외했습니다.</translation>
    </message>
    <message>
        <source>%1 slides of an unknown kind were left out.</source>
        <translation>알 수 없는 종류의 슬라이드 %1개를 제외했습니다.</translation>
    </message>
    <message>
        <source>There is no project to save.</source>
        <translation>저장할 프로젝트가 없습니다.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a project.</source>
        <translation>&quot;%1&quot;은(는) 프로젝트가 아닙니다.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>%1 폴더를 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>The project in %1 cannot be read; it is left as it is.</source>
        <translation>%1의 프로젝트를 읽을 수 없습니다. 프로젝트는 그대로 유지됩니다.</translation>
    </message>
    <message>
        <source>The project could not be saved in %1.</source>
        <translation>프로젝트를 %1에 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 is neither a project id nor a project folder.</source>
        <translation>%1은(는) 프로젝트 ID도 프로젝트 폴더도 아닙니다.</translation>
    </message>
    <message>
        <source>There is no project %1 in %2.</source>
        <translation>%2에 프로젝트 %1이(가) 없습니다.</translation>
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
    <name>QObject</name>
    <message>
        <source>%1 is missing.</source>
        <translation>%1을(를) 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 is not an H.264 video.</source>
        <translation>%1은(는) H.264 동영상이 아닙니다.</translation>
    </message>
    <message>
        <source>%1 holds no frames.</source>
        <translation>%1에는 프레임이 없습니다.</translation>
    </message>
</context>
<context>
    <name>RenderProgressForm</name>
    <message>
        <source>Making Video</source>
        <translation>동영상 만드는 중</translation>
    </message>
    <message>
        <source>%1 so far</source>
        <translation>경과 시간 %1</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>약 %1 남음</translation>
    </message>
</context>
<context>
    <name>RenderWorker</name>
    <message>
        <source>The video cannot be written in %1: %2</source>
        <translation>%1에 동영상을 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 appeared during the render and is kept; the new video was not saved.</source>
        <translation>동영상을 만드는 동안 %1이(가) 생겨 그대로 두었습니다. 새 동영상은 저장되지 않았습니다.</translation>
    </message>
    <message>
        <source>The video could not be saved as %1: %2</source>
        <translation>동영상을 %1(으)로 저장할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The unfinished file %1 could not be removed.</source>
        <translation>완성되지 않은 파일 %1을(를) 삭제할 수 없습니다.</translation>
    </message>
    <message>
        <source>The video is larger than this system allows: a file may hold at most %1 here (%2).</source>
        <translation>동영상이 이 시스템에서 허용하는 크기보다 큽니다. 여기서는 파일 하나가 최대 %1까지 가능합니다(%2).</translation>
    </message>
    <message>
        <source>The folder %1, or the unfinished video in it, was removed during the render.</source>
        <translation>동영상을 만드는 동안 %1 폴더 또는 그 안의 완성되지 않은 동영상이 삭제되었습니다.</translation>
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
    <message>
        <source>cannot be read as music</source>
        <translation>음악으로 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>MP3 or M4A files play one after another under your slides. Choose them, or drop them here.</source>
        <translation>MP3 또는 M4A 파일이 슬라이드와 함께 차례로 재생됩니다. 선택하거나 여기에 끌어다 놓으세요.</translation>
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
    <message>
        <source>Preview</source>
        <translation>미리보기</translation>
    </message>
    <message>
        <source>Add photos and text scenes, or drop photos and folders here: they play in the order you give them.</source>
        <translation>사진과 텍스트 장면을 추가하거나 사진과 폴더를 여기에 끌어다 놓으세요. 정한 순서대로 재생됩니다.</translation>
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
    <message>
        <source>Preview</source>
        <translation>미리보기</translation>
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
    <message>
        <source>Ctrl+Left and Ctrl+Right move the slide.</source>
        <translation>Ctrl+← 와 Ctrl+→ 키로 슬라이드를 이동합니다.</translation>
    </message>
</context>
<context>
    <name>Slideshow</name>
    <message>
        <source>Its theme &quot;%1&quot; cannot be read (%2).</source>
        <translation>이 프로젝트의 테마 &quot;%1&quot;을(를) 읽을 수 없습니다(%2).</translation>
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
<context>
    <name>TmplDownloadManager</name>
    <message>
        <source>The theme could not be read, so its files cannot be fetched.</source>
        <translation>테마를 읽을 수 없어 테마 파일을 다운로드할 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1에 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 is larger than a theme video can be: %2, at most %3.</source>
        <translation>%1이(가) 테마 동영상의 최대 크기보다 큽니다: %2, 최대 %3.</translation>
    </message>
    <message>
        <source>The disk is full: %1 needs %2, but %3 has only %4 free.</source>
        <translation>디스크가 가득 찼습니다: %1에 %2이(가) 필요하지만 %3에는 %4만 남아 있습니다.</translation>
    </message>
    <message>
        <source>The disk is full: %1 cannot be written.</source>
        <translation>디스크가 가득 찼습니다: %1에 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>The server sends %1 too slowly: %2 in the last %3 s, at least %4 a second are needed.</source>
        <translation>서버가 %1을(를) 너무 느리게 보내고 있습니다: 최근 %3초 동안 %2, 초당 최소 %4이(가) 필요합니다.</translation>
    </message>
    <message>
        <source>The server sends %1 too slowly: %2 of %3 in %4 s.</source>
        <translation>서버가 %1을(를) 너무 느리게 보내고 있습니다: %4초 동안 %3 중 %2.</translation>
    </message>
    <message>
        <source>The server answered %1 for %2.</source>
        <translation>서버가 %2에 대해 %1을(를) 응답했습니다.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete: %2 of %3 bytes.</source>
        <translation>%1이(가) 불완전하게 도착했습니다: %3바이트 중 %2바이트.</translation>
    </message>
    <message>
        <source>Secure connection failed.</source>
        <translation>보안 연결에 실패했습니다.</translation>
    </message>
    <message>
        <source>The server stopped sending %1: nothing came for %2 s.</source>
        <translation>서버가 %1 전송을 멈췄습니다: %2초 동안 아무것도 오지 않았습니다.</translation>
    </message>
</context>
<context>
    <name>VideoSettings</name>
    <message>
        <source>No folder was chosen for the video.</source>
        <translation>동영상을 저장할 폴더를 선택하지 않았습니다.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>%1 폴더를 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>The folder %1 does not accept new files.</source>
        <translation>%1 폴더에 새 파일을 만들 수 없습니다.</translation>
    </message>
</context>
</TS>
