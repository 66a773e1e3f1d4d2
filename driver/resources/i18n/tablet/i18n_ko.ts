<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="zh_CN">
<context>
    <name>Tablet</name>
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
        <translation>브러시 확대</translation>
    </message>
    <message>
        <source>笔刷缩小</source>
        <translation>브러시 축소</translation>
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
        <source>撤销</source>
        <translation>실행 취소</translation>
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
        <source>笔</source>
        <translation>펜</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>지우개</translation>
    </message>
    <message>
        <source>滚轮向下</source>
        <translation>휠 아래로</translation>
    </message>
    <message>
        <source>滚轮向上</source>
        <translation>휠 위로</translation>
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
        <source>鼠标中键</source>
        <translation>마우스 가운데 버튼</translation>
    </message>
    <message>
        <source>左键双击</source>
        <translation>왼쪽 더블 클릭</translation>
    </message>
    <message>
        <source>右键双击</source>
        <translation>오른쪽 더블 클릭</translation>
    </message>
    <message>
        <source>中键双击</source>
        <translation>가운데 더블 클릭</translation>
    </message>
    <message>
        <source>显示桌面</source>
        <translation>바탕 화면 보기</translation>
    </message>
    <message>
        <source>切换显示器</source>
        <translation>디스플레이 전환</translation>
    </message>
    <message>
        <source>显示驱动控制面板</source>
        <translation>드라이버 설정 표시</translation>
    </message>
    <message>
        <source>打开:%1</source>
        <translation>열기: %1</translation>
    </message>
    <message>
        <source>鼠标滚轮</source>
        <translation>마우스 휠</translation>
    </message>
    <message>
        <source>画布大小</source>
        <translation>캔버스 확대/축소</translation>
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
        <translation>단계 뒤로/앞으로</translation>
    </message>
    <message>
        <source>上下图层</source>
        <translation>위/아래 레이어</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>다음 페이지</translation>
    </message>
    <message>
        <source>上一页</source>
        <translation>이전 페이지</translation>
    </message>
    <message>
        <source>下箭头</source>
        <translation>아래 화살표</translation>
    </message>
    <message>
        <source>上箭头</source>
        <translation>위 화살표</translation>
    </message>
    <message>
        <source>右箭头</source>
        <translation>오른쪽 화살표</translation>
    </message>
    <message>
        <source>左箭头</source>
        <translation>왼쪽 화살표</translation>
    </message>
    <message>
        <source>下图层</source>
        <translation>아래 레이어</translation>
    </message>
    <message>
        <source>上图层</source>
        <translation>위 레이어</translation>
    </message>
</context>
</TS>
