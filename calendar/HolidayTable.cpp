// The built-in table of holidays. One line per holiday:
//   date key # country code # picture # ten texts, each ended by '#'
// with the texts in the order Russian, English, German, French, Spanish,
// Chinese, Italian, Czech, Japanese, Korean.
#include "calendar/Holidays.h"

namespace quarn {

namespace {

constexpr std::string_view holidayLines[] = {
    "01.01.0000#ALL#R_NEWYEAR#Новый год#New Year#Neujahr#Nouvel An#Año Nuevo#新年#Capodanno#Nový "
    "rok#元日#새해#",
    "20.01.0000#USA#R_USAFLAG#День инаугурации#Inauguration day#Tag der Amtseinführung#Jour de "
    "l'investiture#Día de la investidura#总统就职日#Giorno dell'insediamento#Den "
    "inaugurace#大統領就任式の日#대통령 취임식 날#",
    "25.01.0000#RUS#R_RUSZNAN#Татьянин день - день российского студенчества#Tatiana`s day - the "
    "day of Russian students#Tatjanatag - Tag der russischen Studenten#Fête de Tatiana - jour des "
    "étudiants russes#Día de Tatiana - día de los estudiantes rusos#塔季扬娜节 - "
    "俄罗斯大学生节#Giorno di Tatiana - festa degli studenti russi#Tatjanin den - den ruských "
    "studentů#タチアナの日 - ロシアの学生の日#타티야나의 날 - 러시아 대학생의 날#",
    "27.01.0000#RUS#R_RUSORDN#День снятия блокады Ленинграда#Day of the lifting of the siege of "
    "Leningrad#Tag der Aufhebung der Blockade Leningrads#Jour de la levée du siège de "
    "Leningrad#Día del levantamiento del sitio de Leningrado#列宁格勒解围纪念日#Giorno della fine "
    "dell'assedio di Leningrado#Den prolomení blokády "
    "Leningradu#レニングラード包囲解放の日#레닌그라드 봉쇄 해제 기념일#",
    "****3.2.01#USA#R_USAFLAG#День Мартина Лютера Кинга#Martin Luther King "
    "day#Martin-Luther-King-Tag#Jour de Martin Luther King#Día de Martin Luther "
    "King#马丁·路德·金纪念日#Giorno di Martin Luther King#Den Martina Luthera "
    "Kinga#キング牧師記念日#마틴 루서 킹의 날#",
    "02.02.1943#RUS#R_RUSORDN#День победы советских войск в Сталинградской битве#The day of the "
    "victory of Soviet forces in the battle of Stalingrad#Tag des Sieges der sowjetischen Truppen "
    "in der Schlacht von Stalingrad#Jour de la victoire des troupes soviétiques à la bataille de "
    "Stalingrad#Día de la victoria de las tropas soviéticas en la batalla de "
    "Stalingrado#斯大林格勒战役苏军胜利纪念日#Giorno della vittoria delle truppe sovietiche nella "
    "battaglia di Stalingrado#Den vítězství sovětských vojsk v bitvě u "
    "Stalingradu#スターリングラード攻防戦勝利の日#스탈린그라드 전투 승리 기념일#",
    "08.02.0000#RUS#R_RUSFLAG#День российской науки#The day of Russian Science#Tag der russischen "
    "Wissenschaft#Jour de la science russe#Día de la ciencia rusa#俄罗斯科学日#Giornata della "
    "scienza russa#Den ruské vědy#ロシア科学の日#러시아 과학의 날#",
    "14.02.0000#ALL#R_LOVE000#День святого Валентина#Valentine`s "
    "day#Valentinstag#Saint-Valentin#Día de San Valentín#情人节#San Valentino#Svatý "
    "Valentýn#バレンタインデー#밸런타인데이#",
    "23.02.0000#RUS#R_RUSGEOR#День защитника Отечества#Defender of the fatherland day#Tag des "
    "Verteidigers des Vaterlandes#Jour du défenseur de la patrie#Día del defensor de la "
    "patria#祖国保卫者日#Giorno del difensore della patria#Den obránců vlasti#祖国防衛者の日#조국 "
    "수호자의 날#",
    "08.03.0000#ALL#R_8MARCH0#Международный женский день#International women`s day#Internationaler "
    "Frauentag#Journée internationale des femmes#Día internacional de la mujer#国际妇女节#Giornata "
    "internazionale della donna#Mezinárodní den žen#国際女性デー#세계 여성의 날#",
    "17.03.0000#USA#R_USAPATR#День святого Патрика#St. Patrick`s day#St. Patrick's "
    "Day#Saint-Patrick#Día de San Patricio#圣帕特里克节#Festa di San Patrizio#Den svatého "
    "Patrika#聖パトリックの祝日#성 패트릭의 날#",
    "01.04.0000#ALL#R_1April0#День смеха#April Fool`s day#Aprilscherz-Tag#Poisson d'avril#Día de "
    "las bromas de abril#愚人节#Pesce d'aprile#Apríl#エイプリルフール#만우절#",
    "02.04.0000#RUS#R_RUSFLAG#День единения народов#Unity day#Tag der Einheit der Völker#Jour de "
    "l'unité des peuples#Día de la unidad de los pueblos#人民团结日#Giorno dell'unità dei "
    "popoli#Den jednoty národů#諸民族団結の日#민족 화합의 날#",
    "12.04.0000#RUS#R_RUSFLAG#День космонавтики#Day of cosmonautics#Tag der Raumfahrt#Jour de la "
    "cosmonautique#Día de la cosmonáutica#航天日#Giornata della cosmonautica#Den "
    "kosmonautiky#宇宙飛行士の日#우주 비행의 날#",
    "18.04.1242#RUS#R_RUSGEOR#День победы русских воинов в Ледовом побоище#The day of the victory "
    "of the Russian army in the battle on the ice#Tag des Sieges des russischen Heeres in der "
    "Schlacht auf dem Eise#Jour de la victoire de l'armée russe à la bataille du lac gelé#Día de "
    "la victoria del ejército ruso en la batalla del lago helado#冰湖战役俄军胜利纪念日#Giorno "
    "della vittoria dell'esercito russo nella battaglia del lago ghiacciato#Den vítězství ruského "
    "vojska v bitvě na Čudském jezeře#氷上の戦いにおけるロシア軍勝利の日#얼음 위의 전투 러시아군 "
    "승리 기념일#",
    "01.05.0000#ALL#R_1May000#Праздник весны и труда#Labor Day#Tag der Arbeit#Fête du Travail#Día "
    "del Trabajo#劳动节#Festa dei lavoratori#Svátek práce#メーデー#노동절#",
    "02.05.0000#ISP#R_ISPFLAG#День Мадрида#Day Of Madrid#Tag der Region Madrid#Fête de Madrid#Día "
    "de la Comunidad de Madrid#马德里节#Festa di Madrid#Den Madridu#マドリードの日#마드리드의 날#",
    "07.05.0000#RUS#R_RUSFLAG#День радио#Radio day#Tag des Radios#Jour de la radio#Día de la "
    "radio#无线电日#Giornata della radio#Den rádia#ラジオの日#라디오의 날#",
    "08.05.0000#FRA#R_FRAFLAG#День Победы#Victory day#Tag des Sieges#Fête de la Victoire#Día de la "
    "Victoria#胜利日#Giorno della Vittoria#Den vítězství#戦勝記念日#전승 기념일#",
    "09.05.1945#RUS#R_RUSORDN#День Победы в Великой Отечественной войне#Victory day in Great "
    "Patriotic war#Tag des Sieges im Großen Vaterländischen Krieg#Jour de la victoire dans la "
    "Grande Guerre patriotique#Día de la Victoria en la Gran Guerra "
    "Patria#伟大卫国战争胜利日#Giorno della vittoria nella Grande guerra patriottica#Den vítězství "
    "ve Velké vlastenecké válce#大祖国戦争戦勝記念日#대조국전쟁 승리 기념일#",
    "24.05.0000#RUS#R_RUSFLAG#День славянской письменности и культуры#The day of Slavonic "
    "Literature and culture#Tag des slawischen Schrifttums und der Kultur#Jour de l'écriture et de "
    "la culture slaves#Día de la escritura y la cultura eslavas#斯拉夫文字与文化节#Giornata della "
    "scrittura e della cultura slava#Den slovanského písemnictví a "
    "kultury#スラヴ文字と文化の日#슬라브 문자와 문화의 날#",
    "29.05.0000#RUS#R_RUSFLAG#День химика#Chemist`s day#Tag des Chemikers#Jour du chimiste#Día del "
    "químico#化学家节#Giornata del chimico#Den chemiků#化学者の日#화학자의 날#",
    "01.06.0000#ALL#R_BABY000#Международный день защиты детей#International children`s "
    "day#Internationaler Kindertag#Journée internationale de l'enfance#Día internacional de la "
    "infancia#国际儿童节#Giornata internazionale dei bambini#Mezinárodní den "
    "dětí#国際子どもの日#국제 어린이날#",
    "12.06.0000#RUS#R_RUSFLAG#День России#Russia Day#Tag Russlands#Jour de la Russie#Día de "
    "Rusia#俄罗斯日#Giorno della Russia#Den Ruska#ロシアの日#러시아의 날#",
    "14.06.0000#USA#R_USAFLAG#День американского флага#American flag day#Tag der amerikanischen "
    "Flagge#Jour du drapeau américain#Día de la bandera estadounidense#美国国旗日#Giorno della "
    "bandiera americana#Den americké vlajky#アメリカ国旗の日#미국 국기의 날#",
    "21.06.0000#FRA#R_FRAMUS0#День музыки#Music day#Fest der Musik#Fête de la musique#Día de la "
    "música#音乐节#Festa della musica#Svátek hudby#音楽の日#음악의 날#",
    "22.06.0000#RU-#R_RUSORDN#День памяти и скорби#Day of remembrance and mourning#Tag des "
    "Gedenkens und der Trauer#Jour du souvenir et du deuil#Día de la memoria y el "
    "duelo#纪念和哀悼日#Giorno della memoria e del lutto#Den vzpomínek a "
    "smutku#追悼と哀悼の日#추모와 애도의 날#",
    "27.06.0000#RUS#R_RUSFLAG#День молодёжи#Youth day#Tag der Jugend#Jour de la jeunesse#Día de la "
    "juventud#青年节#Giornata della gioventù#Den mládeže#青年の日#청년의 날#",
    "04.07.0000#USA#R_USA4JUL#День независимости#Independence day#Unabhängigkeitstag#Jour de "
    "l'Indépendance#Día de la Independencia#独立日#Giorno dell'Indipendenza#Den "
    "nezávislosti#独立記念日#독립 기념일#",
    "08.07.0000#RUS#R_RUSFLAG#День семьи, любви и верности#Day of family, love and fidelity#Tag "
    "der Familie, der Liebe und der Treue#Jour de la famille, de l'amour et de la fidélité#Día de "
    "la familia, el amor y la fidelidad#家庭、爱情与忠诚日#Giorno della famiglia, dell'amore e "
    "della fedeltà#Den rodiny, lásky a věrnosti#家族と愛と貞節の日#가족, 사랑, 정절의 날#",
    "10.07.1709#RUS#R_RUSGEOR#День победы русской армии в Полтавском сражении#The day of the "
    "victory of the Russian army in the battle of Poltava#Tag des Sieges des russischen Heeres in "
    "der Schlacht bei Poltawa#Jour de la victoire de l'armée russe à la bataille de Poltava#Día de "
    "la victoria del ejército ruso en la batalla de Poltava#波尔塔瓦战役俄军胜利纪念日#Giorno "
    "della vittoria dell'esercito russo nella battaglia di Poltava#Den vítězství ruské armády v "
    "bitvě u Poltavy#ポルタヴァの戦いにおけるロシア軍勝利の日#폴타바 전투 러시아군 승리 기념일#",
    "14.07.0000#FRA#R_FRAFLAG#День взятия Бастилии#Bastille Day#Französischer "
    "Nationalfeiertag#Fête nationale (14 juillet)#Día de la toma de la Bastilla#巴士底日#Presa "
    "della Bastiglia#Den dobytí Bastily#パリ祭#바스티유의 날#",
    "18.07.0000#USA#R_USAFLAG#Национальный день хот-дога#National hot dog day#Nationaler "
    "Hotdog-Tag#Journée nationale du hot-dog#Día nacional del perrito caliente#全国热狗日#Giornata "
    "nazionale dell'hot dog#Národní den párku v rohlíku#ナショナル・ホットドッグ・デー#핫도그의 "
    "날#",
    "28.07.0988#RUS#R_RUSFLAG#День Крещения Руси#The day of the baptism of RUS`#Tag der Taufe der "
    "Rus#Jour du baptême de la Rus'#Día del bautismo de la Rus#罗斯受洗日#Giorno del battesimo "
    "della Rus'#Den křtu Rusi#ルーシの洗礼の日#루시 세례 기념일#",
    "16.08.0000#USA#R_USAELVI#День памяти Элвиса Пресли#Elvis Presley memorial day#Gedenktag für "
    "Elvis Presley#Journée à la mémoire d'Elvis Presley#Día en memoria de Elvis "
    "Presley#猫王埃尔维斯·普雷斯利纪念日#Giorno in memoria di Elvis Presley#Den památky Elvise "
    "Presleyho#エルヴィス・プレスリー追悼の日#엘비스 프레슬리 추모일#",
    "22.08.0000#RUS#R_RUSFLAG#День Государственного флага России#The day of the national flag of "
    "Russia#Tag der Staatsflagge Russlands#Jour du drapeau national de la Russie#Día de la bandera "
    "nacional de Rusia#俄罗斯国旗日#Giorno della bandiera nazionale russa#Den státní vlajky "
    "Ruska#ロシア国旗の日#러시아 국기의 날#",
    "23.08.1943#RUS#R_RUSORDN#День победы советских войск в Курской битве#The day of the victory "
    "of Soviet forces in the battle of Kursk#Tag des Sieges der sowjetischen Truppen in der "
    "Schlacht am Kursker Bogen#Jour de la victoire des troupes soviétiques à la bataille de "
    "Koursk#Día de la victoria de las tropas soviéticas en la batalla de "
    "Kursk#库尔斯克战役苏军胜利纪念日#Giorno della vittoria delle truppe sovietiche nella "
    "battaglia di Kursk#Den vítězství sovětských vojsk v bitvě u "
    "Kurska#クルスクの戦い勝利の日#쿠르스크 전투 승리 기념일#",
    "01.09.0000#RUS#R_RUSZNAN#День знаний#The day of knowledge#Tag des Wissens#Jour du savoir#Día "
    "del conocimiento#知识日#Giorno della conoscenza#Den vědění#知識の日#지식의 날#",
    "02.09.0000#ALL#R_WAR0000#День окончания Второй мировой войны#Day of the end of World War "
    "II#Tag des Endes des Zweiten Weltkriegs#Jour de la fin de la Seconde Guerre mondiale#Día del "
    "fin de la Segunda Guerra Mundial#第二次世界大战结束纪念日#Giorno della fine della seconda "
    "guerra mondiale#Den konce druhé světové války#第二次世界大戦終結の日#제2차 세계대전 종전 "
    "기념일#",
    "08.09.1812#RUS#R_RUSGEOR#День Бородинского сражения#Borodino day#Tag der Schlacht von "
    "Borodino#Jour de la bataille de la Moskova#Día de la batalla de "
    "Borodinó#博罗季诺战役纪念日#Giorno della battaglia di Borodino#Den bitvy u "
    "Borodina#ボロジノの戦いの日#보로디노 전투 기념일#",
    "13.09.0000#ALL#R_ALLPROG#День программиста#Programmer`s day#Tag des Programmierers#Journée du "
    "programmeur#Día del programador#程序员节#Giornata del programmatore#Den "
    "programátorů#プログラマーの日#프로그래머의 날#",
    "21.09.1380#RUS#R_RUSGEOR#День победы русских полков в Куликовской битве#The day of the "
    "victory of Russian regiments in the battle of Kulikovo#Tag des Sieges der russischen "
    "Regimenter in der Schlacht auf dem Schnepfenfeld#Jour de la victoire des régiments russes à "
    "la bataille de Koulikovo#Día de la victoria de los regimientos rusos en la batalla de "
    "Kulikovo#库利科沃战役俄军胜利纪念日#Giorno della vittoria dei reggimenti russi nella "
    "battaglia di Kulikovo#Den vítězství ruských pluků v bitvě na Kulikovském "
    "poli#クリコヴォの戦い勝利の日#쿨리코보 전투 승리 기념일#",
    "01.10.0000#RUS#R_OLD0000#День пожилых людей#Day of older persons#Tag der älteren "
    "Menschen#Journée des personnes âgées#Día de las personas mayores#老年人节#Giornata delle "
    "persone anziane#Den seniorů#高齢者の日#노인의 날#",
    "03.10.0000#DEU#R_DEUFLAG#День германского единства#Day of German unity#Tag der Deutschen "
    "Einheit#Jour de l'unité allemande#Día de la unidad alemana#德国统一日#Giorno dell'unità "
    "tedesca#Den německé jednoty#ドイツ統一の日#독일 통일의 날#",
    "05.10.0000#RUS#R_TEACHER#День учителя#Teacher`s day#Tag des Lehrers#Journée des "
    "enseignants#Día del maestro#教师节#Giornata degli insegnanti#Den učitelů#教師の日#교사의 날#",
    "12.10.0000#ISP#R_ISPFLAG#Национальный праздник Испании#National day of Spain#Spanischer "
    "Nationalfeiertag#Fête nationale de l'Espagne#Fiesta Nacional de España#西班牙国庆日#Festa "
    "nazionale della Spagna#Státní svátek Španělska#スペイン建国記念日#스페인 국경일#",
    "21.10.0000#ENG#R_ENGFLAG#День яблок#Apple day#Tag des Apfels#Jour de la pomme#Día de la "
    "manzana#苹果节#Giornata della mela#Den jablek#アップル・デー#사과의 날#",
    "31.10.0000#ALL#R_HALLO00#Хэллоуин#Halloween#Halloween#Halloween#Halloween#万圣节前夜#"
    "Halloween#Halloween#ハロウィン#핼러윈#",
    "05.11.0000#ENG#R_ENGFLAG#Ночь Гая Фокса#Guy Fawkes night#Guy-Fawkes-Nacht#Nuit de Guy "
    "Fawkes#Noche de Guy Fawkes#盖伊·福克斯之夜#Notte di Guy Fawkes#Noc Guye "
    "Fawkese#ガイ・フォークス・ナイト#가이 포크스의 밤#",
    "11.11.0000#ALL#R_WAR0000#День окончания Первой мировой войны#The end of the first world "
    "war#Ende des Ersten Weltkriegs#Armistice de la Première Guerre mondiale#Fin de la Primera "
    "Guerra Mundial#第一次世界大战结束纪念日#Fine della prima guerra mondiale#Konec první světové "
    "války#第一次世界大戦休戦記念日#제1차 세계대전 종전 기념일#",
    "****4.5.11#USA#R_USABLAG#День благодарения#Thanksgiving#Erntedankfest#Action de grâce#Día de "
    "Acción de Gracias#感恩节#Giorno del Ringraziamento#Den díkůvzdání#感謝祭#추수감사절#",
    "05.12.1941#RUS#R_RUSORDN#День начала контрнаступления советских войск под Москвой#The first "
    "day of the Soviet troops counterattack near Moscow#Tag des Beginns der sowjetischen "
    "Gegenoffensive vor Moskau#Premier jour de la contre-offensive soviétique devant Moscou#Primer "
    "día de la contraofensiva soviética ante Moscú#苏军莫斯科城下反攻开始日#Primo giorno della "
    "controffensiva sovietica davanti a Mosca#První den sovětské protiofenzívy u "
    "Moskvy#モスクワ近郊でのソ連軍反攻開始の日#모스크바 근교 소련군 반격 개시일#",
    "06.12.0000#ISP#R_ISPFLAG#День Конституции Испании#Constitution Day in Spain#Tag der "
    "spanischen Verfassung#Jour de la Constitution espagnole#Día de la Constitución "
    "Española#西班牙宪法日#Giorno della Costituzione spagnola#Den španělské "
    "ústavy#スペイン憲法記念日#스페인 제헌절#",
    "12.12.0000#RUS#R_RUSFLAG#День Конституции России#Constitution Day Of Russia#Tag der "
    "Verfassung Russlands#Jour de la Constitution de la Russie#Día de la Constitución de "
    "Rusia#俄罗斯宪法日#Giorno della Costituzione russa#Den ústavy Ruska#ロシア憲法記念日#러시아 "
    "제헌절#",
    "22.12.0000#RUS#R_RUSFLAG#День энергетика#The day of power branch workers#Tag der "
    "Energiewirtschaft#Jour des travailleurs de l'énergie#Día de los trabajadores de la "
    "energía#电力工作者日#Giornata dei lavoratori dell'energia#Den "
    "energetiků#エネルギー産業従事者の日#에너지 산업 종사자의 날#",
    "27.12.0000#RUS#R_RUSFLAG#День спасателя России#The rescuer day Russia#Tag der Rettungskräfte "
    "Russlands#Jour des sauveteurs de Russie#Día del socorrista de Rusia#俄罗斯救援人员日#Giornata "
    "del soccorritore russo#Den záchranářů Ruska#ロシア救助隊員の日#러시아 구조대원의 날#",
    "pasha.p000#PRA#R_PASHA00#Пасха#Easter#Ostern#Pâques#Pascua#复活节#Pasqua#Velikonoce#復活大祭#"
    "부활절#",
    "pasha.p-07#PRA#R_PRAKRES#Вход Господень в Иерусалим#The entry into Jerusalem#Einzug des Herrn "
    "in Jerusalem#Entrée du Seigneur à Jérusalem#Entrada del Señor en "
    "Jerusalén#主进入耶路撒冷节#Ingresso del Signore a Gerusalemme#Vjezd Páně do "
    "Jeruzaléma#主の聖入城祭#주님의 예루살렘 입성#",
    "pasha.p+39#PRA#R_PRAKRES#Вознесение Господне#Ascension Of Our Lord#Christi "
    "Himmelfahrt#Ascension du Seigneur#Ascensión del Señor#主升天节#Ascensione del "
    "Signore#Nanebevstoupení Páně#主の昇天祭#주님 승천 대축일#",
    "pasha.p+49#PRA#R_PRAKRES#День Святой Троицы#Trinity Sunday#Dreifaltigkeitsfest#Fête de la "
    "Sainte Trinité#Domingo de la Santísima Trinidad#圣三一主日#Festa della Santissima "
    "Trinità#Svátek Nejsvětější Trojice#聖三者祭#성삼위일체 대축일#",
    "07.01.0000#PRA#R_ROGDEST#Рождество Христово#Christmas#Christi "
    "Geburt#Noël#Navidad#圣诞节#Natale#Narození Páně#降誕祭#성탄절#",
    "14.01.0000#PRA#R_PRAKRES#Обрезание Господне#Circumcision Of The Lord#Beschneidung des "
    "Herrn#Circoncision du Seigneur#Circuncisión del Señor#主受割礼节#Circoncisione del "
    "Signore#Obřezání Páně#主の割礼祭#주님의 할례 축일#",
    "19.01.0000#PRA#R_PRAKRES#Крещение Господне#Epiphany#Taufe des "
    "Herrn#Théophanie#Epifanía#主领洗节#Epifania#Křest Páně#神現祭#주님 세례 축일#",
    "15.02.0000#PRA#R_PRAKRES#Сретение Господне#Candlemas#Darstellung des Herrn#Présentation du "
    "Seigneur au Temple#Presentación del Señor#主进堂节#Presentazione del Signore#Uvedení Páně do "
    "chrámu#主の迎接祭#주님 봉헌 축일#",
    "07.04.0000#PRA#R_PRAKRES#Благовещение Пресвятой Богородицы#Annunciation to the Most Holy "
    "Theotokos#Verkündigung an die Allheilige Gottesgebärerin#Annonciation à la Très Sainte Mère "
    "de Dieu#Anunciación a la Santísima Madre de Dios#圣母领报节#Annunciazione della Santissima "
    "Madre di Dio#Zvěstování přesvaté Bohorodici#生神女福音祭#성모 영보 축일#",
    "07.07.0000#PRA#R_PRAKRES#Рождество Иоанна Предтечи#Nativity of John the Baptist#Geburt "
    "Johannes des Täufers#Nativité de saint Jean-Baptiste#Natividad de San Juan "
    "Bautista#施洗约翰诞辰#Natività di San Giovanni Battista#Narození Jana "
    "Křtitele#前駆授洗イオアンの誕生祭#세례자 요한 탄생 축일#",
    "12.07.0000#PRA#R_PRAKRES#День святых апостолов Петра и Павла#Day of the holy apostles Peter "
    "and Paul#Fest der heiligen Apostel Petrus und Paulus#Fête des saints apôtres Pierre et "
    "Paul#Día de los santos apóstoles Pedro y Pablo#圣彼得和圣保罗宗徒节#Festa dei santi apostoli "
    "Pietro e Paolo#Svátek svatých apoštolů Petra a Pavla#聖使徒ペトルとパウェルの祭日#성 베드로와 "
    "바오로 사도 축일#",
    "19.08.0000#PRA#R_PRAKRES#Преображение Господне#Transfiguration#Verklärung des "
    "Herrn#Transfiguration du Seigneur#Transfiguración del Señor#主显圣容节#Trasfigurazione del "
    "Signore#Proměnění Páně#主の変容祭#주님의 거룩한 변모 축일#",
    "28.08.0000#PRA#R_PRAKRES#Успение Пресвятой Богородицы#Dormition of the Virgin#Entschlafung "
    "der Gottesgebärerin#Dormition de la Mère de Dieu#Dormición de la Virgen#圣母安息节#Dormizione "
    "della Madre di Dio#Zesnutí přesvaté Bohorodice#生神女就寝祭#성모 안식 축일#",
    "11.09.0000#PRA#R_PRAKRES#Усекновение главы Иоанна Предтечи#Beheading of John the "
    "Baptist#Enthauptung Johannes des Täufers#Décollation de saint Jean-Baptiste#Degollación de "
    "San Juan Bautista#施洗约翰殉道纪念日#Decollazione di San Giovanni Battista#Stětí Jana "
    "Křtitele#前駆授洗イオアンの斬首祭#세례자 요한 참수 기념일#",
    "21.09.0000#PRA#R_PRAKRES#Рождество Пресвятой Богородицы#Nativity Of The Virgin#Geburt der "
    "Gottesgebärerin#Nativité de la Mère de Dieu#Natividad de la Virgen#圣母诞辰节#Natività della "
    "Madre di Dio#Narození přesvaté Bohorodice#生神女誕生祭#성모 탄생 축일#",
    "27.09.0000#PRA#R_PRAKRES#Воздвижение Креста Господня#Exaltation of the Cross of the "
    "Lord#Kreuzerhöhung#Exaltation de la Sainte Croix#Exaltación de la Santa "
    "Cruz#举荣圣架节#Esaltazione della Santa Croce#Povýšení svatého Kříže#十字架挙栄祭#성 십자가 "
    "현양 축일#",
    "14.10.0000#PRA#R_PRAKRES#Покров Пресвятой Богородицы#Protection of the Most Holy "
    "Theotokos#Schutz und Fürbitte der Gottesgebärerin#Protection de la Très Sainte Mère de "
    "Dieu#Protección de la Santísima Madre de Dios#圣母帡幪节#Protezione della Santissima Madre di "
    "Dio#Ochrana přesvaté Bohorodice#生神女庇護祭#성모 보호 축일#",
    "04.12.0000#PRA#R_PRAKRES#Введение во храм Пресвятой Богородицы#Introduction to the temple of "
    "the Most Holy Theotokos#Einführung der Gottesgebärerin in den Tempel#Présentation de la Mère "
    "de Dieu au Temple#Presentación de la Virgen en el Templo#圣母进堂节#Presentazione della Madre "
    "di Dio al Tempio#Uvedení přesvaté Bohorodice do chrámu#生神女進堂祭#성모 성전 봉헌 축일#",
    "pasha.k000#KAT#R_PASHA00#Пасха#Easter#Ostern#Pâques#Pascua#复活节#Pasqua#Velikonoce#復活祭#"
    "부활절#",
    "02.02.0000#KAT#R_KATKRES#Сретение Господне#Candlemas#Mariä "
    "Lichtmess#Chandeleur#Candelaria#圣烛节#Candelora#Hromnice#主の奉献#주님 봉헌 축일#",
    "25.03.0000#KAT#R_KATKRES#Благовещение Пресвятой Богородицы#Annunciation to the Most Holy "
    "Theotokos#Verkündigung des Herrn#Annonciation#Anunciación del Señor#圣母领报节#Annunciazione "
    "del Signore#Zvěstování Páně#神のお告げ#주님 탄생 예고 대축일#",
    "06.08.0000#KAT#R_KATKRES#Преображение Господне#Transfiguration#Verklärung des "
    "Herrn#Transfiguration#Transfiguración del Señor#耶稣显圣容节#Trasfigurazione del "
    "Signore#Proměnění Páně#主の変容#주님의 거룩한 변모 축일#",
    "08.09.0000#KAT#R_KATKRES#Рождество Пресвятой Девы Марии#Nativity of the Mother of God#Mariä "
    "Geburt#Nativité de la Vierge Marie#Natividad de la Virgen María#圣母诞辰#Natività della Beata "
    "Vergine Maria#Narození Panny Marie#聖マリアの誕生#복되신 동정 마리아 탄생 축일#",
    "01.11.0000#KAT#R_KATKRES#День всех святых#All Saints` day#Allerheiligen#La Toussaint#Día de "
    "Todos los Santos#诸圣节#Ognissanti#Slavnost Všech svatých#諸聖人の日#모든 성인 대축일#",
    "24.12.0000#KAT#R_ROGDEST#Сочельник#Christmas Eve#Heiligabend#Veille de "
    "Noël#Nochebuena#平安夜#Vigilia di Natale#Štědrý den#クリスマス・イブ#크리스마스이브#",
    "25.12.0000#KAT#R_ROGDEST#Рождество#Christmas#Weihnachten#Noël#Navidad#圣诞节#Natale#Boží hod "
    "vánoční#クリスマス#성탄절#",
};

} // namespace

std::span<const std::string_view> builtInHolidays() {
    return holidayLines;
}

} // namespace quarn
