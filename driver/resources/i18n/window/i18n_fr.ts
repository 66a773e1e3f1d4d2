<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="zh_CN">
<context>
    <name>DeviceOfflineDialog</name>
    <message>
        <source>提示</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>没有识别到设备！</source>
        <translation>Aucun appareil détecté !</translation>
    </message>
    <message>
        <source>点击查看详细解决方法</source>
        <translation>Cliquez ici pour des solutions détaillées</translation>
    </message>
    <message>
        <source>固件正在升级...</source>
        <translation>Mise à jour du micrologiciel...</translation>
    </message>
    <message>
        <source>固件升级完成，正在重连设备</source>
        <translation>Micrologiciel mis à jour, reconnexion de l’appareil</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>DiagnosisDialog</name>
    <message>
        <source>诊断工具</source>
        <translation>Outil de diagnostic</translation>
    </message>
    <message>
        <source>硬件检查</source>
        <translation>Matériel</translation>
    </message>
    <message>
        <source>设备:%1</source>
        <translation>Appareil : %1</translation>
    </message>
    <message>
        <source>产品:%1</source>
        <translation>Produit : %1</translation>
    </message>
    <message>
        <source>硬件版本：%1</source>
        <translation>Version du matériel : %1</translation>
    </message>
    <message>
        <source>固件版本：%1</source>
        <translation>Version du micrologiciel : %1</translation>
    </message>
    <message>
        <source>固件类型：%1</source>
        <translation>Type de micrologiciel : %1</translation>
    </message>
    <message>
        <source>笔类型：%1</source>
        <translation>Type de stylet : %1</translation>
    </message>
    <message>
        <source>笔信息</source>
        <translation>Stylet</translation>
    </message>
    <message>
        <source>当前坐标X:%1</source>
        <translation>Position X : %1</translation>
    </message>
    <message>
        <source>当前坐标Y:%1</source>
        <translation>Position Y : %1</translation>
    </message>
    <message>
        <source>当前倾斜X:%1</source>
        <translation>Inclinaison X : %1</translation>
    </message>
    <message>
        <source>当前倾斜Y:%1</source>
        <translation>Inclinaison Y : %1</translation>
    </message>
    <message>
        <source>当前压力感应:%1</source>
        <translation>Pression : %1</translation>
    </message>
    <message>
        <source>环境检查</source>
        <translation>Environnement</translation>
    </message>
    <message>
        <source>系统名称:%1</source>
        <translation>Système : %1</translation>
    </message>
    <message>
        <source>系统版本:%1</source>
        <translation>Version du système : %1</translation>
    </message>
    <message>
        <source>系统类型:%1</source>
        <translation>Type de système : %1</translation>
    </message>
    <message>
        <source>驱动版本:%1</source>
        <translation>Version du pilote : %1</translation>
    </message>
    <message>
        <source>打开日志记录</source>
        <translation>Ouvrir le dossier des journaux</translation>
    </message>
    <message>
        <source>固件下载</source>
        <translation>Télécharger le micrologiciel</translation>
    </message>
    <message>
        <source>固件升级</source>
        <translation>Mettre à jour le micrologiciel</translation>
    </message>
</context>
<context>
    <name>ExampleDialog</name>
    <message>
        <source>操作示例</source>
        <translation>Exemple</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>KeyLayoutHelpWindow</name>
    <message>
        <source>短按为切换转环功能,
长按1s为展示按键功能界
面，显示当前配置功能</source>
        <translation>Un appui court change la fonction de la molette,
un appui de 1 s affiche ce résumé
des fonctions actuelles des touches</translation>
    </message>
</context>
<context>
    <name>AboutPage</name>
    <message>
        <source>关于</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>驱动版本:%1</source>
        <translation>Version du pilote : %1</translation>
    </message>
    <message>
        <source>固件版本：%1</source>
        <translation>Version du micrologiciel : %1</translation>
    </message>
    <message>
        <source>诊断工具</source>
        <translation>Outil de diagnostic</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>AreaPage</name>
    <message>
        <source>屏幕设置</source>
        <translation>Écran</translation>
    </message>
    <message>
        <source>全部屏幕</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>系统显示设置</source>
        <translation>Paramètres d’affichage</translation>
    </message>
    <message>
        <source>校准</source>
        <translation>Calibrer</translation>
    </message>
    <message>
        <source>默认校准</source>
        <translation>Calibrage par défaut</translation>
    </message>
    <message>
        <source>没有识别到设备！</source>
        <translation>Aucun appareil détecté !</translation>
    </message>
    <message>
        <source>全部区域</source>
        <translation>Zone entière</translation>
    </message>
    <message>
        <source>显示器比例</source>
        <translation>Proportions de l’écran</translation>
    </message>
    <message>
        <source>设置工作区</source>
        <translation>Définir la zone de travail</translation>
    </message>
    <message>
        <source>旋转设置</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Par défaut</translation>
    </message>
</context>
<context>
    <name>KeyFunctionLists</name>
    <message>
        <source>鼠标左键</source>
        <translation>Bouton gauche</translation>
    </message>
    <message>
        <source>鼠标右键</source>
        <translation>Bouton droit</translation>
    </message>
    <message>
        <source>左键双击</source>
        <translation>Double clic</translation>
    </message>
    <message>
        <source>鼠标中键</source>
        <translation>Bouton du milieu</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>程序</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>热键</source>
        <translation>Raccourci clavier</translation>
    </message>
    <message>
        <source>笔/橡皮擦</source>
        <translation>Pinceau/Gomme</translation>
    </message>
    <message>
        <source>显示驱动控制面板</source>
        <translation>Afficher le panneau du pilote</translation>
    </message>
    <message>
        <source>无功能</source>
        <translation>Aucune fonction</translation>
    </message>
    <message>
        <source>画布放大</source>
        <translation>Zoom avant du canevas</translation>
    </message>
    <message>
        <source>画布缩小</source>
        <translation>Zoom arrière du canevas</translation>
    </message>
    <message>
        <source>笔刷放大</source>
        <translation>Agrandir le pinceau</translation>
    </message>
    <message>
        <source>笔刷缩小</source>
        <translation>Réduire le pinceau</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Annuler</translation>
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
        <source>吸管</source>
        <translation>Pipette</translation>
    </message>
    <message>
        <source>抓手</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>鼠标滚轮</source>
        <translation>Molette</translation>
    </message>
    <message>
        <source>画布大小</source>
        <translation>Taille du canevas</translation>
    </message>
    <message>
        <source>笔刷大小</source>
        <translation>Taille du pinceau</translation>
    </message>
    <message>
        <source>上下翻页</source>
        <translation>Page haut/bas</translation>
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
        <translation>Étape suivante/précédente</translation>
    </message>
    <message>
        <source>上下图层</source>
        <translation>Calque haut/bas</translation>
    </message>
    <message>
        <source>转环热键</source>
        <translation>Raccourci de la molette</translation>
    </message>
    <message>
        <source>滚轮向下</source>
        <translation>Défiler vers le bas</translation>
    </message>
    <message>
        <source>滚轮向上</source>
        <translation>Défiler vers le haut</translation>
    </message>
    <message>
        <source>显示桌面</source>
        <translation>Afficher le bureau</translation>
    </message>
    <message>
        <source>切换显示器</source>
        <translation>Changer d'écran</translation>
    </message>
</context>
<context>
    <name>KeyPage</name>
    <message>
        <source>按键设置</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>为指定程序添加个性化配置</source>
        <translation>Réglages personnalisés par programme</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>移除</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>转环设置</source>
        <translation>Molette</translation>
    </message>
    <message>
        <source>短按为切换转环功能，长按1S为展示按键
的功能界面，显示当前配置功能</source>
        <translation>Un appui court change la fonction de la molette ; maintenez 1 s pour afficher les fonctions actuelles des touches.</translation>
    </message>
    <message>
        <source>关闭提示</source>
        <translation>Masquer les indications</translation>
    </message>
    <message>
        <source>禁用快捷键</source>
        <translation>Désactiver les touches express</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Par défaut</translation>
    </message>
</context>
<context>
    <name>ModelBar</name>
    <message>
        <source>型号</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>没有识别到设备！</source>
        <translation>Aucun appareil détecté !</translation>
    </message>
    <message>
        <source>配置设置</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>导入配置</source>
        <translation>Importer la configuration</translation>
    </message>
    <message>
        <source>导出配置</source>
        <translation>Exporter la configuration</translation>
    </message>
</context>
<context>
    <name>NavigationPane</name>
    <message>
        <source>笔设置</source>
        <translation>Stylet</translation>
    </message>
    <message>
        <source>区域设置</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>按键设置</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>PenPage</name>
    <message>
        <source>笔设置</source>
        <translation>Stylet</translation>
    </message>
    <message>
        <source>上键</source>
        <translation>Bouton haut</translation>
    </message>
    <message>
        <source>下键</source>
        <translation>Bouton bas</translation>
    </message>
    <message>
        <source>笔尖</source>
        <translation>Pointe</translation>
    </message>
    <message>
        <source>鼠标左键</source>
        <translation>Bouton gauche</translation>
    </message>
    <message>
        <source>压感设置</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>笔压</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>复位</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>当前压力值</source>
        <translation>Pression actuelle</translation>
    </message>
    <message>
        <source>坐标模式</source>
        <translation>Mode de coordonnées</translation>
    </message>
    <message>
        <source>绝对</source>
        <translation>Absolu</translation>
    </message>
    <message>
        <source>相对</source>
        <translation>Relatif</translation>
    </message>
    <message>
        <source>指针移动速度</source>
        <translation>Vitesse du pointeur</translation>
    </message>
    <message>
        <source>慢</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>快</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>压感测试区</source>
        <translation>Test de pression</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>禁止压力</source>
        <translation>Pression désactivée</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Par défaut</translation>
    </message>
</context>
<context>
    <name>TitlePane</name>
    <message>
        <source>皮肤</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Réduire</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>退出</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>HotKeyDialog</name>
    <message>
        <source>快捷键设置</source>
        <translation>Réglage des raccourcis</translation>
    </message>
    <message>
        <source>鼠标</source>
        <translation>Souris</translation>
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
        <source>左键双击</source>
        <translation>Double clic</translation>
    </message>
    <message>
        <source>鼠标中键</source>
        <translation>Bouton du milieu</translation>
    </message>
    <message>
        <source>滚轮向下</source>
        <translation>Défiler vers le bas</translation>
    </message>
    <message>
        <source>滚轮向上</source>
        <translation>Défiler vers le haut</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>显示桌面 （windows+D）</source>
        <translation>Afficher le bureau (Windows+D)</translation>
    </message>
    <message>
        <source>切换显示器 （windows+P)</source>
        <translation>Changer d'écran (Windows+P)</translation>
    </message>
    <message>
        <source>显示驱动程序</source>
        <translation>Afficher le pilote</translation>
    </message>
    <message>
        <source>自定义设置</source>
        <translation>Personnalisation</translation>
    </message>
    <message>
        <source>自定义快捷键</source>
        <translation>Raccourci personnalisé</translation>
    </message>
    <message>
        <source>键入您要设置的快捷键</source>
        <translation>Appuyez sur les touches voulues</translation>
    </message>
    <message>
        <source>设置自定义名称</source>
        <translation>Nom personnalisé</translation>
    </message>
</context>
<context>
    <name>ProgramDialog</name>
    <message>
        <source>应用程序设置</source>
        <translation>Réglages des applications</translation>
    </message>
    <message>
        <source>选择应用</source>
        <translation>Choisir une application</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>应用信息</source>
        <translation>Informations sur l'application</translation>
    </message>
    <message>
        <source>选择程序</source>
        <translation>Choisir un programme</translation>
    </message>
    <message>
        <source>应用程序 (*)</source>
        <translation>Programmes (*)</translation>
    </message>
</context>
<context>
    <name>RollerHotKeyDialog</name>
    <message>
        <source>热键</source>
        <translation>Raccourci clavier</translation>
    </message>
    <message>
        <source>转环左旋</source>
        <translation>Tourner à gauche</translation>
    </message>
    <message>
        <source>转环右旋</source>
        <translation>Tourner à droite</translation>
    </message>
    <message>
        <source>快捷键录制</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>自定义名称</source>
        <translation>Nom personnalisé</translation>
    </message>
</context>
<context>
    <name>TesselConfirmDialog</name>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ShortcutRecorder</name>
    <message>
        <source>此按键无法用作快捷键</source>
        <translation>Cette touche ne peut pas servir de raccourci</translation>
    </message>
</context>
<context>
    <name>RemoveProgramsDialog</name>
    <message>
        <source>移除程序</source>
        <translation>Retirer des programmes</translation>
    </message>
    <message>
        <source>移除所有程序及其按键设置？</source>
        <translation>Retirer tous les programmes et leurs réglages de touches ?</translation>
    </message>
    <message>
        <source>移除“%1”及其按键设置？</source>
        <translation>Retirer « %1 » et ses réglages de touches ?</translation>
    </message>
</context>
</TS>
