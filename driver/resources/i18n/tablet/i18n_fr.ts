<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="zh_CN">
<context>
    <name>Tablet</name>
    <message>
        <source>无功能</source>
        <translation>Aucune fonction</translation>
    </message>
    <message>
        <source>画布放大</source>
        <translation>Zoom avant sur le canevas</translation>
    </message>
    <message>
        <source>画布缩小</source>
        <translation>Zoom arrière sur le canevas</translation>
    </message>
    <message>
        <source>笔刷放大</source>
        <translation>Pinceau plus grand</translation>
    </message>
    <message>
        <source>笔刷缩小</source>
        <translation>Pinceau plus petit</translation>
    </message>
    <message>
        <source>新建画布</source>
        <translation>Nouveau canevas</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>后退一步</source>
        <translation>Étape précédente</translation>
    </message>
    <message>
        <source>前进一步</source>
        <translation>Étape suivante</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>吸管</source>
        <translation>Pipette</translation>
    </message>
    <message>
        <source>抓手</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>笔</source>
        <translation>Stylet</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>滚轮向下</source>
        <translation>Molette vers le bas</translation>
    </message>
    <message>
        <source>滚轮向上</source>
        <translation>Molette vers le haut</translation>
    </message>
    <message>
        <source>鼠标左键</source>
        <translation>Bouton gauche</translation>
    </message>
    <message>
        <source>鼠标右键</source>
        <translation>Bouton droit</translation>
    </message>
    <message>
        <source>鼠标中键</source>
        <translation>Bouton du milieu</translation>
    </message>
    <message>
        <source>左键双击</source>
        <translation>Double-clic gauche</translation>
    </message>
    <message>
        <source>右键双击</source>
        <translation>Double-clic droit</translation>
    </message>
    <message>
        <source>中键双击</source>
        <translation>Double-clic milieu</translation>
    </message>
    <message>
        <source>显示桌面</source>
        <translation>Afficher le bureau</translation>
    </message>
    <message>
        <source>切换显示器</source>
        <translation>Changer d'écran</translation>
    </message>
    <message>
        <source>显示驱动控制面板</source>
        <translation>Afficher les réglages du pilote</translation>
    </message>
    <message>
        <source>打开:%1</source>
        <translation>Ouvrir : %1</translation>
    </message>
    <message>
        <source>鼠标滚轮</source>
        <translation>Molette</translation>
    </message>
    <message>
        <source>画布大小</source>
        <translation>Zoom du canevas</translation>
    </message>
    <message>
        <source>笔刷大小</source>
        <translation>Taille du pinceau</translation>
    </message>
    <message>
        <source>上下翻页</source>
        <translation>Page préc./suiv.</translation>
    </message>
    <message>
        <source>上下箭头</source>
        <translation>Flèche haut/bas</translation>
    </message>
    <message>
        <source>左右箭头</source>
        <translation>Flèche gauche/droite</translation>
    </message>
    <message>
        <source>前后步骤</source>
        <translation>Étape préc./suiv.</translation>
    </message>
    <message>
        <source>上下图层</source>
        <translation>Calque haut/bas</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>上一页</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>下箭头</source>
        <translation>Flèche bas</translation>
    </message>
    <message>
        <source>上箭头</source>
        <translation>Flèche haut</translation>
    </message>
    <message>
        <source>右箭头</source>
        <translation>Flèche droite</translation>
    </message>
    <message>
        <source>左箭头</source>
        <translation>Flèche gauche</translation>
    </message>
    <message>
        <source>下图层</source>
        <translation>Calque inférieur</translation>
    </message>
    <message>
        <source>上图层</source>
        <translation>Calque supérieur</translation>
    </message>
</context>
</TS>
