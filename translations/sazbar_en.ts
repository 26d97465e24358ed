<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs_CZ">
<context>
    <name>Countries</name>
    <message>
        <source>Slovensko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Německo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polsko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rakousko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Austrálie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Belgie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bělorusko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bosna-Hercegovina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bulharsko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dánsko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estonsko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finsko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Francie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chorvatsko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Irsko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Itálie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jugoslávie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kanada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lichtenštejnsko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Litva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lotyšsko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lucembursko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maďarsko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nizozemsko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norsko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portugalsko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rumunsko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rusko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Řecko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slovinsko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Španělsko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Švédsko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Švýcarsko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ukrajina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velká Británie</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>leden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>únor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>březen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>duben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>květen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>červen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>červenec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>srpen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>září</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>říjen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>listopad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prosinec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 den</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 dny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 dní</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>výpis hovorů v CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>záloha hovorů z Androidu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>záloha zpráv z Androidu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>příchozí hovory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zmeškané, odmítnuté a blokované hovory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nespojené hovory (0 s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>přijaté zprávy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neodeslané zprávy (koncepty, k odeslání, neúspěšné)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jiné záznamy hovorů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bez čísla (skryté nebo prázdné)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>není telefonní číslo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vnitrostátní číslo o %1 číslicích</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vnitrostátní číslo začínající 0 nebo 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>předvolba +%1 není v seznamu zemí</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>předvolba +%1 se nezařazuje</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>řádek je delší než %1 bajtů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neuzavřené uvozovky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jiný počet polí než v záhlaví</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>datum: čekáno d. m. rrrr nebo rrrr-mm-dd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>čas: čekáno H:MM nebo H:MM:SS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>směr: čekáno out, in nebo missed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>typ: čekáno call, sms, mms, data nebo wap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trvání: čekány celé sekundy, nejvýš 31 dní</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>objem: čekány kilobajty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chybí platné datum (date)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chybí platný typ (type, msg_box)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chybí platná délka hovoru (duration)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prvek větší než %1 MiB; zbytek souboru nebyl přečten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chyba XML; zbytek souboru nebyl přečten (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor je prázdný.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor není text, ale binární data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>První řádek není záhlaví výpisu hovorů (date, time, direction, number, duration, type, volume_kb).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor obsahuje deklaraci typu dokumentu (DOCTYPE); taková XML se z bezpečnostních důvodů nečtou.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor deklaruje entity; taková XML se z bezpečnostních důvodů nečtou.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor není záloha hovorů (&lt;calls&gt;) ani zpráv (&lt;smses&gt;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import výpisu hovorů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nastavení</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Období:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>každý hovor na započaté &amp;minuty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sčítat po &amp;sekundách</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zaokrouhlení:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Š&amp;pička od</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;dpoledne od</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Večer od</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(po–pá; víkend a svátky celý den)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pásma:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hodnoty do políček</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nezapočteno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ceny po měsících</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Po&amp;užít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zrušit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pevná linka (min)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T - Mobile (min)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eurotel (min)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oskar (min)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS T-Mobile / Eurotel / Oskar, MMS (ks)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hlasová schránka (min)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datové přenosy (min)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAP (min)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Země</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Špička</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odpoledne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Večer + víkend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Období</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nejlevnější tarif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cena (Kč)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Každý měsíc záznamu spočítaný zvlášť, jak je, bez přepočtu; za celé období tarif s nejnižším součtem měsíčních cen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor %1 nelze otevřít.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor %1 nelze importovat: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>celý záznam přepočtený na 30 dní</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (jak je)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V záznamu nejsou žádné události.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Záznam: %1 – %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, měsíc o %1 bez přepočtu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 přepočteno na 30 dní</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, 30 dní</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. Událostí: %1, z toho odchozích zpoplatněných: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPRS WAP: %1 kB    GPRS internet: %2 kB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Započítávají se jen odchozí, spojené a zpoplatněné události.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Přeskočeno:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odesláno, ale profil pro to nemá políčko:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  %1 × SMS na pevnou linku nebo do hlasové schránky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  %1 × SMS do zahraničí</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nezařazeno (číslo neodpovídá žádnému pravidlu):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  %1 × %2, %3 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Země nad čtyři mezinárodní řádky (nezapočteno):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  %1, %2 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odmítnuté řádky nebo prvky (%1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  řádek %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  … a dalších %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Políček omezených na největší hodnotu: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>celé období (%1 měsíce)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>celé období (%1 měsíců)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výpisy a zálohy hovorů (*.csv *.xml *.txt);;Všechny soubory (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Vnitrostátní</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mezinárodní</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uložit hodnoty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uloží vyplněné hodnoty při ukončení programu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Výpočet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nulování</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vynuluje zadané hodnoty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I&amp;mport…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vyplní políčka z výpisu hovorů nebo ze zálohy telefonu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nápověda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zobrazí nápovědu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Špička</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odpoledne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Večer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Víkend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pevná linka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS a MMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hlasová schránka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datové přenosy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS do T-Mobile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS do Eurotelu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS do Oskara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPRS internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celkem za měsíc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Předdefinované profily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volám:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vyberte jak často voláte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Málo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Středně</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hodně</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Převážně volám na:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pevnou linku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Převážně volám:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ve špičce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O víkendu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Země</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Večer +
víkend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volání přes internet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Nápověda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ceny tarifů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Každé políčko ukazuje, kolik byste měsíčně zaplatili u jednoho tarifu, v celých korunách. Ceny se počítají z hodnot, které jste zadali v hlavním okně. Když podržíte myš nad políčkem, zobrazí se podrobnosti, například s jakým datovým balíčkem nebo doplňkem cena počítá.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nejlevnější tarif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nejnižší cena je napsaná červeně. Vyjde-li stejně levně více tarifů, jsou červeně všechny.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nepodporované služby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarif, u kterého nelze využívat některou ze zadaných služeb (datové přenosy, WAP, MMS nebo GPRS), má políčko podbarvené a v podrobnostech je uvedeno, kterou službu nepodporuje. Jeho cenu proto nelze s ostatními přímo srovnávat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Další volby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„Platba inkasem“ počítá s cenami při placení inkasem. „Vypočítat Český Telecom“ přidá pro srovnání cenu pevné linky Telefon Standard.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Tisk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tisk vstupních hodnot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tisk výsledků</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tisk grafu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bílé pozadí</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co kdyby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nastavení</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Není nainstalována žádná tiskárna. V okně „Nastavení“ můžete jako tiskárnu zvolit tisk do souboru PDF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tisk se nepodařilo spustit. Zkontrolujte tiskárnu v okně „Nastavení“.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nastavení tisku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tisk.pdf</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Taktualizace</name>
    <message>
        <source>Potvrzení</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktualizace programu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probíhá automatická kontrola aktuálnosti programu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nelze se připojit k internetu! Má se program pokoušet o připojení i při dalších spuštěních?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tcokdyby</name>
    <message>
        <source>žádný</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>žádný tarif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co kdyby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vše</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>volání</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zprávy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co se oproti současnému měsíci zvětšuje nebo zmenšuje</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Největší násobek současného měsíce v grafu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Další tarify…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarify, které graf ukáže vedle nejlevnějších (nejvýše %1 čar)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Měnit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Až do:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Využití v % současného měsíce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cena v Kč za měsíc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nyní</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zlomový bod</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nejlevnější tarif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ceny v celých korunách jako ve výsledcích. Stojí-li několik tarifů stejně málo, jsou nejlevnější všechny.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tady je současný měsíc (100 %)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Od %1 % je volání víc, než má měsíc minut.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nepodporuje</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  ◄ nejlevnější</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tform3</name>
    <message>
        <source>Výsledky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Přesuňte myš nad políčka s čísly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zobrazí se podrobnější informace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>např. o datových tarifech nebo </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jiných zvýhodněních.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Platba inkasem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vypočítat Český Telecom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graficky zobrazí ceny jednotlivých tarifů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tisk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co kdyby…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jak se ceny a nejlevnější tarif mění, když budete volat víc nebo méně</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nejlevnější tarif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nepodporuje všechny požadované služby</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tgraf</name>
    <message>
        <source>Graf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cena v Kč za měsíc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hodnoty v grafu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co kdyby…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tgraph_help</name>
    <message>
        <source>Nápověda - graf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zvětšení části grafu:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Najeďte myší do levého horního rohu části, kterou chcete zvětšit, stiskněte levé tlačítko a táhněte doprava dolů. Po uvolnění tlačítka se označená část zvětší.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vrácení grafu do původního měřítka:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stiskněte v grafu levé tlačítko myši a táhněte opačným směrem, tedy doleva nahoru.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hodnoty v grafu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zaškrtnete-li „Hodnoty v grafu“, zobrazí se nad každým sloupcem jeho cena. Ve zvětšeném grafu se hodnoty nezobrazují.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Thelp</name>
    <message>
        <source>Nápověda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zadání minut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Na stránce „Vnitrostátní“ zadejte, kolik minut měsíčně provoláte. Každý řádek tabulky patří jedné síti (Pevná linka, T - Mobile, Eurotel, Oskar), každý sloupec jednomu časovému pásmu (Špička, Odpoledne, Večer, Víkend). Do políčka napište počet minut, které za měsíc provoláte do dané sítě v daném pásmu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Příklad: Voláte-li ve špičce asi 30 minut do sítě Eurotel a o víkendu 10 minut na pevnou linku, napište 30 do řádku Eurotel ve sloupci Špička a 10 do řádku Pevná linka ve sloupci Víkend. Ostatní políčka nechte na nule.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stejným způsobem zadejte počet SMS a MMS, minuty v hlasové schránce, datové přenosy, minuty WAP a objem dat GPRS v kB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celkový počet minut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program provolané minuty sám sčítá a celkový součet ukazuje pod tabulkou. Součet se změní pokaždé, když upravíte některé políčko, nic tedy nemusíte počítat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Předdefinované profily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pokud nevíte, kolik přesně provoláte, zaškrtněte „Předdefinované profily“. Pak jen vyberte, jak často voláte, do kterých sítí a v kterou denní dobu nejčastěji, a program minuty do jednotlivých sítí a pásem doplní sám. Profily nevyplňují SMS, hlasovou schránku, datové přenosy ani WAP – ty zadejte ručně.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nulování</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tlačítko „Nulování“ nastaví všechna zadaná čísla na 0. Jsou-li zaškrtnuté předdefinované profily, minuty do sítí zůstanou podle profilu.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tinfo</name>
    <message>
        <source>Všechny tři!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verze:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Podmínky použití</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program je zdarma. Smíte jej volně používat a šířit, pokud jej neměníte a nežádáte za něj úplatu. Ceny se počítají podle ceníků operátorů platných v době vydání této verze a jsou jen orientační; závazné jsou vždy ceníky operátorů. Nové verze najdete na</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>napište nám</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Porovnává tarify:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tnewversion</name>
    <message>
        <source>Informace o nové verzi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Byla nalezena nová verze programu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Změny a nové funkce:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pokud si chcete stáhnou novou verzi, klikněte na odkaz dole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tstartup</name>
    <message>
        <source>Který tarif vás vyjde nejlevněji?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Porovnání tarifů mobilních operátorů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verze %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tzahr_help</name>
    <message>
        <source>Nápověda - volání do zahraničí</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volání do zahraničí</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hovory do zahraničí zadáte na stránce „Mezinárodní“. Zadat můžete až čtyři země. V každém řádku nejprve vyberte ze seznamu zemi a potom napište, kolik minut do ní měsíčně provoláte ve špičce, odpoledne a večer nebo o víkendu (večer a víkend se zadávají dohromady).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Příklad: Voláte-li do Německa 20 minut ve špičce a 40 minut o víkendu, vyberte v prvním řádku zemi Německo, do sloupce Špička napište 20 a do sloupce Večer + víkend 40.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volání přes internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zaškrtnete-li „Volání přes internet“, spočítají se hovory do zahraničí u tarifů T-Mobile a Eurotel podle nižších sazeb volání přes internet (T-Mobile Internet Call, Eurotel NetCall 55). Na tarify Oskar a na pevnou linku tato volba vliv nemá.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sazbar::HelpWindow</name>
    <message>
        <source>Zavřít</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sazbar::Links</name>
    <message>
        <source>Nepodařilo se spustit poštovní program. Napište prosím na adresu:

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nepodařilo se spustit webový prohlížeč. Otevřete prosím v prohlížeči adresu:

</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
