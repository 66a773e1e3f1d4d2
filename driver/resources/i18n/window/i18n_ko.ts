<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="zh_CN">
<context>
    <name>DeviceOfflineDialog</name>
    <message>
        <source>提示</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>没有识别到设备！</source>
        <translation>장치가 연결되지 않았습니다!</translation>
    </message>
    <message>
        <source>点击查看详细解决方法</source>
        <translation>자세한 해결 방법 보기</translation>
    </message>
    <message>
        <source>固件正在升级...</source>
        <translation>펌웨어를 업그레이드하는 중...</translation>
    </message>
    <message>
        <source>固件升级完成，正在重连设备</source>
        <translation>펌웨어 업그레이드 완료, 장치를 다시 연결하는 중</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>DiagnosisDialog</name>
    <message>
        <source>诊断工具</source>
        <translation>진단 도구</translation>
    </message>
    <message>
        <source>硬件检查</source>
        <translation>하드웨어 정보</translation>
    </message>
    <message>
        <source>设备:%1</source>
        <translation>장치: %1</translation>
    </message>
    <message>
        <source>产品:%1</source>
        <translation>제품: %1</translation>
    </message>
    <message>
        <source>硬件版本：%1</source>
        <translation>하드웨어 버전: %1</translation>
    </message>
    <message>
        <source>固件版本：%1</source>
        <translation>펌웨어 버전: %1</translation>
    </message>
    <message>
        <source>固件类型：%1</source>
        <translation>펌웨어 유형: %1</translation>
    </message>
    <message>
        <source>笔类型：%1</source>
        <translation>펜 유형: %1</translation>
    </message>
    <message>
        <source>笔信息</source>
        <translation>펜 정보</translation>
    </message>
    <message>
        <source>当前坐标X:%1</source>
        <translation>현재 좌표 X: %1</translation>
    </message>
    <message>
        <source>当前坐标Y:%1</source>
        <translation>현재 좌표 Y: %1</translation>
    </message>
    <message>
        <source>当前倾斜X:%1</source>
        <translation>현재 기울기 X: %1</translation>
    </message>
    <message>
        <source>当前倾斜Y:%1</source>
        <translation>현재 기울기 Y: %1</translation>
    </message>
    <message>
        <source>当前压力感应:%1</source>
        <translation>현재 필압: %1</translation>
    </message>
    <message>
        <source>环境检查</source>
        <translation>환경 정보</translation>
    </message>
    <message>
        <source>系统名称:%1</source>
        <translation>시스템 이름: %1</translation>
    </message>
    <message>
        <source>系统版本:%1</source>
        <translation>시스템 버전: %1</translation>
    </message>
    <message>
        <source>系统类型:%1</source>
        <translation>시스템 종류: %1</translation>
    </message>
    <message>
        <source>驱动版本:%1</source>
        <translation>드라이버 버전: %1</translation>
    </message>
    <message>
        <source>打开日志记录</source>
        <translation>로그 폴더 열기</translation>
    </message>
    <message>
        <source>固件下载</source>
        <translation>펌웨어 다운로드</translation>
    </message>
    <message>
        <source>固件升级</source>
        <translation>펌웨어 업그레이드</translation>
    </message>
</context>
<context>
    <name>ExampleDialog</name>
    <message>
        <source>操作示例</source>
        <translation>사용 예</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>KeyLayoutHelpWindow</name>
    <message>
        <source>短按为切换转环功能,
长按1s为展示按键功能界
面，显示当前配置功能</source>
        <translation>짧게 누르면 다이얼 기능이 바뀌고,
1초 길게 누르면 버튼 기능 화면에
현재 설정된 기능이 표시됩니다</translation>
    </message>
</context>
<context>
    <name>AboutPage</name>
    <message>
        <source>关于</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>驱动版本:%1</source>
        <translation>드라이버 버전: %1</translation>
    </message>
    <message>
        <source>固件版本：%1</source>
        <translation>펌웨어 버전: %1</translation>
    </message>
    <message>
        <source>诊断工具</source>
        <translation>진단 도구</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>도움말</translation>
    </message>
</context>
<context>
    <name>AreaPage</name>
    <message>
        <source>屏幕设置</source>
        <translation>화면 설정</translation>
    </message>
    <message>
        <source>全部屏幕</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>系统显示设置</source>
        <translation>시스템 디스플레이 설정</translation>
    </message>
    <message>
        <source>校准</source>
        <translation>보정</translation>
    </message>
    <message>
        <source>默认校准</source>
        <translation>기본 보정</translation>
    </message>
    <message>
        <source>没有识别到设备！</source>
        <translation>장치가 연결되지 않았습니다!</translation>
    </message>
    <message>
        <source>全部区域</source>
        <translation>전체 영역</translation>
    </message>
    <message>
        <source>显示器比例</source>
        <translation>디스플레이 비율</translation>
    </message>
    <message>
        <source>设置工作区</source>
        <translation>작업 영역 설정</translation>
    </message>
    <message>
        <source>旋转设置</source>
        <translation>회전 설정</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>기본값</translation>
    </message>
</context>
<context>
    <name>KeyFunctionLists</name>
    <message>
        <source>鼠标左键</source>
        <translation>마우스 왼쪽 버튼</translation>
    </message>
    <message>
        <source>鼠标右键</source>
        <translation>마우스 오른쪽 버튼</translation>
    </message>
    <message>
        <source>左键双击</source>
        <translation>더블 클릭</translation>
    </message>
    <message>
        <source>鼠标中键</source>
        <translation>마우스 가운데 버튼</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>지우개</translation>
    </message>
    <message>
        <source>程序</source>
        <translation>프로그램</translation>
    </message>
    <message>
        <source>热键</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>笔/橡皮擦</source>
        <translation>펜/지우개</translation>
    </message>
    <message>
        <source>显示驱动控制面板</source>
        <translation>드라이버 제어판 표시</translation>
    </message>
    <message>
        <source>无功能</source>
        <translation>기능 없음</translation>
    </message>
    <message>
        <source>画布放大</source>
        <translation>캔버스 확대</translation>
    </message>
    <message>
        <source>画布缩小</source>
        <translation>캔버스 축소</translation>
    </message>
    <message>
        <source>笔刷放大</source>
        <translation>브러시 크게</translation>
    </message>
    <message>
        <source>笔刷缩小</source>
        <translation>브러시 작게</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>新建画布</source>
        <translation>새 캔버스</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>后退一步</source>
        <translation>한 단계 뒤로</translation>
    </message>
    <message>
        <source>前进一步</source>
        <translation>한 단계 앞으로</translation>
    </message>
    <message>
        <source>吸管</source>
        <translation>스포이트</translation>
    </message>
    <message>
        <source>抓手</source>
        <translation>손 도구</translation>
    </message>
    <message>
        <source>鼠标滚轮</source>
        <translation>마우스 휠</translation>
    </message>
    <message>
        <source>画布大小</source>
        <translation>캔버스 크기</translation>
    </message>
    <message>
        <source>笔刷大小</source>
        <translation>브러시 크기</translation>
    </message>
    <message>
        <source>上下翻页</source>
        <translation>페이지 위/아래</translation>
    </message>
    <message>
        <source>上下箭头</source>
        <translation>위/아래 화살표</translation>
    </message>
    <message>
        <source>左右箭头</source>
        <translation>왼쪽/오른쪽 화살표</translation>
    </message>
    <message>
        <source>前后步骤</source>
        <translation>앞/뒤 단계</translation>
    </message>
    <message>
        <source>上下图层</source>
        <translation>위/아래 레이어</translation>
    </message>
    <message>
        <source>转环热键</source>
        <translation>다이얼 단축키</translation>
    </message>
    <message>
        <source>滚轮向下</source>
        <translation>아래로 스크롤</translation>
    </message>
    <message>
        <source>滚轮向上</source>
        <translation>위로 스크롤</translation>
    </message>
    <message>
        <source>显示桌面</source>
        <translation>바탕 화면 보기</translation>
    </message>
    <message>
        <source>切换显示器</source>
        <translation>디스플레이 전환</translation>
    </message>
</context>
<context>
    <name>KeyPage</name>
    <message>
        <source>按键设置</source>
        <translation>키 설정</translation>
    </message>
    <message>
        <source>为指定程序添加个性化配置</source>
        <translation>프로그램별 맞춤 설정</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>공통</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>移除</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>转环设置</source>
        <translation>다이얼 설정</translation>
    </message>
    <message>
        <source>短按为切换转环功能，长按1S为展示按键
的功能界面，显示当前配置功能</source>
        <translation>짧게 누르면 다이얼 기능이 바뀌고, 1초 길게 누르면 현재 키 기능을 보여 줍니다.</translation>
    </message>
    <message>
        <source>关闭提示</source>
        <translation>알림 끄기</translation>
    </message>
    <message>
        <source>禁用快捷键</source>
        <translation>단축키 사용 안 함</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>기본값</translation>
    </message>
</context>
<context>
    <name>ModelBar</name>
    <message>
        <source>型号</source>
        <translation>모델</translation>
    </message>
    <message>
        <source>没有识别到设备！</source>
        <translation>장치가 연결되지 않았습니다!</translation>
    </message>
    <message>
        <source>配置设置</source>
        <translation>구성</translation>
    </message>
    <message>
        <source>导入配置</source>
        <translation>구성 가져오기</translation>
    </message>
    <message>
        <source>导出配置</source>
        <translation>구성 내보내기</translation>
    </message>
</context>
<context>
    <name>NavigationPane</name>
    <message>
        <source>笔设置</source>
        <translation>펜 설정</translation>
    </message>
    <message>
        <source>区域设置</source>
        <translation>영역 설정</translation>
    </message>
    <message>
        <source>按键设置</source>
        <translation>키 설정</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>정보</translation>
    </message>
</context>
<context>
    <name>PenPage</name>
    <message>
        <source>笔设置</source>
        <translation>펜 설정</translation>
    </message>
    <message>
        <source>上键</source>
        <translation>위쪽 버튼</translation>
    </message>
    <message>
        <source>下键</source>
        <translation>아래쪽 버튼</translation>
    </message>
    <message>
        <source>笔尖</source>
        <translation>펜촉</translation>
    </message>
    <message>
        <source>鼠标左键</source>
        <translation>마우스 왼쪽 버튼</translation>
    </message>
    <message>
        <source>压感设置</source>
        <translation>필압 설정</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>출력</translation>
    </message>
    <message>
        <source>笔压</source>
        <translation>필압</translation>
    </message>
    <message>
        <source>复位</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>当前压力值</source>
        <translation>현재 필압</translation>
    </message>
    <message>
        <source>坐标模式</source>
        <translation>좌표 모드</translation>
    </message>
    <message>
        <source>绝对</source>
        <translation>절대</translation>
    </message>
    <message>
        <source>相对</source>
        <translation>상대</translation>
    </message>
    <message>
        <source>指针移动速度</source>
        <translation>포인터 속도</translation>
    </message>
    <message>
        <source>慢</source>
        <translation>느리게</translation>
    </message>
    <message>
        <source>快</source>
        <translation>빠르게</translation>
    </message>
    <message>
        <source>压感测试区</source>
        <translation>필압 테스트</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>禁止压力</source>
        <translation>필압 끄기</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>기본값</translation>
    </message>
</context>
<context>
    <name>TitlePane</name>
    <message>
        <source>皮肤</source>
        <translation>스킨</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>최소화</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>退出</source>
        <translation>종료</translation>
    </message>
</context>
<context>
    <name>HotKeyDialog</name>
    <message>
        <source>快捷键设置</source>
        <translation>단축키 설정</translation>
    </message>
    <message>
        <source>鼠标</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>鼠标左键</source>
        <translation>마우스 왼쪽 버튼</translation>
    </message>
    <message>
        <source>鼠标右键</source>
        <translation>마우스 오른쪽 버튼</translation>
    </message>
    <message>
        <source>左键双击</source>
        <translation>더블 클릭</translation>
    </message>
    <message>
        <source>鼠标中键</source>
        <translation>마우스 가운데 버튼</translation>
    </message>
    <message>
        <source>滚轮向下</source>
        <translation>아래로 스크롤</translation>
    </message>
    <message>
        <source>滚轮向上</source>
        <translation>위로 스크롤</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>기타</translation>
    </message>
    <message>
        <source>显示桌面 （windows+D）</source>
        <translation>바탕 화면 보기 (Windows+D)</translation>
    </message>
    <message>
        <source>切换显示器 （windows+P)</source>
        <translation>디스플레이 전환 (Windows+P)</translation>
    </message>
    <message>
        <source>显示驱动程序</source>
        <translation>드라이버 표시</translation>
    </message>
    <message>
        <source>自定义设置</source>
        <translation>사용자 지정 설정</translation>
    </message>
    <message>
        <source>自定义快捷键</source>
        <translation>사용자 지정 단축키</translation>
    </message>
    <message>
        <source>键入您要设置的快捷键</source>
        <translation>설정할 키를 누르세요</translation>
    </message>
    <message>
        <source>设置自定义名称</source>
        <translation>사용자 지정 이름 설정</translation>
    </message>
</context>
<context>
    <name>ProgramDialog</name>
    <message>
        <source>应用程序设置</source>
        <translation>응용 프로그램 설정</translation>
    </message>
    <message>
        <source>选择应用</source>
        <translation>앱 선택</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>찾아보기</translation>
    </message>
    <message>
        <source>应用信息</source>
        <translation>앱 정보</translation>
    </message>
    <message>
        <source>选择程序</source>
        <translation>프로그램 선택</translation>
    </message>
    <message>
        <source>应用程序 (*)</source>
        <translation>프로그램 (*)</translation>
    </message>
</context>
<context>
    <name>RollerHotKeyDialog</name>
    <message>
        <source>热键</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>转环左旋</source>
        <translation>왼쪽으로 회전</translation>
    </message>
    <message>
        <source>转环右旋</source>
        <translation>오른쪽으로 회전</translation>
    </message>
    <message>
        <source>快捷键录制</source>
        <translation>단축키 녹화</translation>
    </message>
    <message>
        <source>自定义名称</source>
        <translation>사용자 지정 이름</translation>
    </message>
</context>
<context>
    <name>TesselConfirmDialog</name>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>ShortcutRecorder</name>
    <message>
        <source>此按键无法用作快捷键</source>
        <translation>이 키는 단축키로 사용할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>RemoveProgramsDialog</name>
    <message>
        <source>移除程序</source>
        <translation>프로그램 제거</translation>
    </message>
    <message>
        <source>移除所有程序及其按键设置？</source>
        <translation>모든 프로그램과 해당 키 설정을 제거하시겠습니까?</translation>
    </message>
    <message>
        <source>移除“%1”及其按键设置？</source>
        <translation>“%1” 및 해당 키 설정을 제거하시겠습니까?</translation>
    </message>
</context>
</TS>
