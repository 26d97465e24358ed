<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs_CZ">
<context>
    <name>BoxGrid</name>
    <message>
        <source>Špička</source>
        <translation>Peak</translation>
    </message>
    <message>
        <source>Odpoledne</source>
        <translation>Afternoon</translation>
    </message>
    <message>
        <source>Večer</source>
        <translation>Evening</translation>
    </message>
    <message>
        <source>Víkend</source>
        <translation>Weekend</translation>
    </message>
    <message>
        <source>Pevná linka</source>
        <translation>Fixed line</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>SMS a MMS</source>
        <translation>SMS and MMS</translation>
    </message>
    <message>
        <source>ks</source>
        <translation>pcs</translation>
    </message>
    <message>
        <source>Hlasová schránka</source>
        <translation>Voice mailbox</translation>
    </message>
    <message>
        <source>Datové přenosy</source>
        <translation>Data transfers</translation>
    </message>
    <message>
        <source>SMS do T-Mobile</source>
        <translation>SMS to T-Mobile</translation>
    </message>
    <message>
        <source>SMS do Eurotelu</source>
        <translation>SMS to Eurotel</translation>
    </message>
    <message>
        <source>SMS do Oskara</source>
        <translation>SMS to Oskar</translation>
    </message>
    <message>
        <source>GPRS internet</source>
        <translation>GPRS internet</translation>
    </message>
    <message>
        <source>Celkem za měsíc, minut</source>
        <translation>Total a month, minutes</translation>
    </message>
    <message>
        <source>Celkem za měsíc</source>
        <translation>Total per month</translation>
    </message>
    <message>
        <source>minut</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Země</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Večer +
víkend</source>
        <translation>Evening +
weekend</translation>
    </message>
    <message>
        <source>Země %1</source>
        <translation>Country %1</translation>
    </message>
    <message>
        <source>Volání přes internet</source>
        <translation>Calls over the internet</translation>
    </message>
    <message>
        <source>MMS</source>
        <translation>MMS</translation>
    </message>
    <message>
        <source>%1, kusy</source>
        <translation>%1, count</translation>
    </message>
    <message>
        <source>T - Mobile</source>
        <translation>T - Mobile</translation>
    </message>
    <message>
        <source>Eurotel</source>
        <translation>Eurotel</translation>
    </message>
    <message>
        <source>Oskar</source>
        <translation>Oskar</translation>
    </message>
    <message>
        <source>%1, %2, minuty</source>
        <translation>%1, %2, minutes</translation>
    </message>
    <message>
        <source>WAP, %1, minuty</source>
        <translation>WAP, %1, minutes</translation>
    </message>
    <message>
        <source>Večer a víkend</source>
        <translation>Evening and weekend</translation>
    </message>
    <message>
        <source>Země %1, %2, minuty</source>
        <translation>Country %1, %2, minutes</translation>
    </message>
    <message>
        <source>GPRS WAP, kB</source>
        <translation>GPRS WAP, kB</translation>
    </message>
    <message>
        <source>GPRS internet, kB</source>
        <translation>GPRS internet, kB</translation>
    </message>
</context>
<context>
    <name>BreakdownHint</name>
    <message>
        <source>nepodporuje datové přenosy</source>
        <translation>does not support data transfers</translation>
    </message>
    <message>
        <source>nepodporuje WAP</source>
        <translation>does not support WAP</translation>
    </message>
    <message>
        <source>nepodporuje MMS</source>
        <translation>does not support MMS</translation>
    </message>
    <message>
        <source>nepodporuje GPRS</source>
        <translation>does not support GPRS</translation>
    </message>
</context>
<context>
    <name>BreakdownKind</name>
    <message>
        <source>Volání</source>
        <translation>Calls</translation>
    </message>
    <message>
        <source>Zprávy</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Zahraničí</source>
        <translation>Abroad</translation>
    </message>
    <message>
        <source>Poplatky</source>
        <translation>Fees</translation>
    </message>
    <message>
        <source>Balíčky</source>
        <translation>Packages</translation>
    </message>
    <message>
        <source>Slevy a volné jednotky</source>
        <translation>Discounts and free units</translation>
    </message>
    <message>
        <source>Minimální plnění</source>
        <translation>Minimum spend</translation>
    </message>
    <message>
        <source>Příplatky</source>
        <translation>Surcharges</translation>
    </message>
</context>
<context>
    <name>BreakdownLabel</name>
    <message>
        <source>Balíček GPRS</source>
        <translation>GPRS package</translation>
    </message>
    <message>
        <source>Balíček GPRS Basic</source>
        <translation>GPRS Basic package</translation>
    </message>
    <message>
        <source>Balíček GPRS Email&amp;PDA</source>
        <translation>GPRS Email&amp;PDA package</translation>
    </message>
    <message>
        <source>Balíček GPRS Internet+</source>
        <translation>GPRS Internet+ package</translation>
    </message>
    <message>
        <source>Balíček GPRS WAP</source>
        <translation>GPRS WAP package</translation>
    </message>
    <message>
        <source>Balíček GPRS WAP (%1 kB)</source>
        <translation>GPRS WAP package (%1 kB)</translation>
    </message>
    <message>
        <source>Balíček GPRS internet</source>
        <translation>GPRS internet package</translation>
    </message>
    <message>
        <source>Balíček GPRS internet (%1 kB)</source>
        <translation>GPRS internet package (%1 kB)</translation>
    </message>
    <message>
        <source>Balíček MMS</source>
        <translation>MMS package</translation>
    </message>
    <message>
        <source>Balíček MMS (%1 MMS)</source>
        <translation>MMS package (%1 MMS)</translation>
    </message>
    <message>
        <source>Balíček SMS</source>
        <translation>SMS package</translation>
    </message>
    <message>
        <source>Balíček SMS (%1 SMS)</source>
        <translation>SMS package (%1 SMS)</translation>
    </message>
    <message>
        <source>Balíček data (CSD)</source>
        <translation>Data (CSD) package</translation>
    </message>
    <message>
        <source>Balíček data (CSD) (%1 min)</source>
        <translation>Data (CSD) package (%1 min)</translation>
    </message>
    <message>
        <source>Balíček volných minut (%1 min)</source>
        <translation>Free minutes package (%1 min)</translation>
    </message>
    <message>
        <source>Balíček volných minut (poplatek a placené volání)</source>
        <translation>Free minutes package (fee and paid calls)</translation>
    </message>
    <message>
        <source>Bez datového příplatku (Eurotel WAP MMS)</source>
        <translation>No data add-on (Eurotel WAP MMS)</translation>
    </message>
    <message>
        <source>DATA Nonstop</source>
        <translation>DATA Nonstop</translation>
    </message>
    <message>
        <source>DATA Nonstop II</source>
        <translation>DATA Nonstop II</translation>
    </message>
    <message>
        <source>DATA Nonstop II (%1 volných minut navíc): volání a data</source>
        <translation>DATA Nonstop II (%1 extra free minutes): calls and data</translation>
    </message>
    <message>
        <source>Data (CSD)</source>
        <translation>Data (CSD)</translation>
    </message>
    <message>
        <source>Data (CSD) nad %1 volných minut</source>
        <translation>Data (CSD) beyond %1 free minutes</translation>
    </message>
    <message>
        <source>Data (CSD), Večer a Víkend</source>
        <translation>Data (CSD), evening and weekend</translation>
    </message>
    <message>
        <source>Data (CSD), Špička a Odpoledne</source>
        <translation>Data (CSD), peak and afternoon</translation>
    </message>
    <message>
        <source>Data, Odpoledne, Večer a Víkend</source>
        <translation>Data, afternoon, evening and weekend</translation>
    </message>
    <message>
        <source>Data, Špička</source>
        <translation>Data, peak</translation>
    </message>
    <message>
        <source>Datové balíčky, nebo Příplatek Data NONSTOP</source>
        <translation>Data packages, or the Data NONSTOP add-on</translation>
    </message>
    <message>
        <source>Datový příplatek</source>
        <translation>Data add-on</translation>
    </message>
    <message>
        <source>GPRS Basic</source>
        <translation>GPRS Basic</translation>
    </message>
    <message>
        <source>GPRS Email&amp;PDA</source>
        <translation>GPRS Email&amp;PDA</translation>
    </message>
    <message>
        <source>GPRS Internet+</source>
        <translation>GPRS Internet+</translation>
    </message>
    <message>
        <source>GPRS WAP</source>
        <translation>GPRS WAP</translation>
    </message>
    <message>
        <source>GPRS WAP nad %1 kB</source>
        <translation>GPRS WAP beyond %1 kB</translation>
    </message>
    <message>
        <source>GPRS internet</source>
        <translation>GPRS internet</translation>
    </message>
    <message>
        <source>GPRS internet nad %1 kB</source>
        <translation>GPRS internet beyond %1 kB</translation>
    </message>
    <message>
        <source>GPRS internet nad 20000 kB</source>
        <translation>GPRS internet beyond 20000 kB</translation>
    </message>
    <message>
        <source>Hlasová schránka</source>
        <translation>Voice mailbox</translation>
    </message>
    <message>
        <source>MMS</source>
        <translation>MMS</translation>
    </message>
    <message>
        <source>MMS nad %1 MMS</source>
        <translation>MMS beyond %1 MMS</translation>
    </message>
    <message>
        <source>MMS nad %1 v příplatku Moje MMS</source>
        <translation>MMS beyond the %1 of the Moje MMS add-on</translation>
    </message>
    <message>
        <source>MMS nad 3 volné</source>
        <translation>MMS beyond 3 free</translation>
    </message>
    <message>
        <source>Měsíční poplatek</source>
        <translation>Monthly fee</translation>
    </message>
    <message>
        <source>Připojení GPRS</source>
        <translation>GPRS connection</translation>
    </message>
    <message>
        <source>Připojení Nadlouho</source>
        <translation>Nadlouho connection</translation>
    </message>
    <message>
        <source>Připojení Naskok</source>
        <translation>Naskok connection</translation>
    </message>
    <message>
        <source>Příplatek DATA Nonstop</source>
        <translation>DATA Nonstop add-on</translation>
    </message>
    <message>
        <source>Příplatek DATA Nonstop II</source>
        <translation>DATA Nonstop II add-on</translation>
    </message>
    <message>
        <source>Příplatek Data</source>
        <translation>Data add-on</translation>
    </message>
    <message>
        <source>Příplatek Data NONSTOP</source>
        <translation>Data NONSTOP add-on</translation>
    </message>
    <message>
        <source>Příplatek Data Plus</source>
        <translation>Data Plus add-on</translation>
    </message>
    <message>
        <source>Příplatek Moje MMS</source>
        <translation>Moje MMS add-on</translation>
    </message>
    <message>
        <source>Příplatek Moje MMS (%1 MMS)</source>
        <translation>Moje MMS add-on (%1 MMS)</translation>
    </message>
    <message>
        <source>Příplatek Moje SMS</source>
        <translation>Moje SMS add-on</translation>
    </message>
    <message>
        <source>Příplatek Moje SMS (%1 SMS)</source>
        <translation>Moje SMS add-on (%1 SMS)</translation>
    </message>
    <message>
        <source>Příplatek Moje volné minuty</source>
        <translation>Moje volné minuty add-on (free minutes)</translation>
    </message>
    <message>
        <source>Příplatek Moje volné minuty (20 minut navíc): volání</source>
        <translation>Moje volné minuty add-on (20 extra minutes): calls</translation>
    </message>
    <message>
        <source>Příplatek Můj WAP</source>
        <translation>Můj WAP add-on</translation>
    </message>
    <message>
        <source>Příplatek Můj WAP (%1 min)</source>
        <translation>Můj WAP add-on (%1 min)</translation>
    </message>
    <message>
        <source>Příplatek Top SMS</source>
        <translation>Top SMS add-on</translation>
    </message>
    <message>
        <source>Příplatek Top SMS (%1 SMS)</source>
        <translation>Top SMS add-on (%1 SMS)</translation>
    </message>
    <message>
        <source>Příplatek Víkend+</source>
        <translation>Víkend+ add-on</translation>
    </message>
    <message>
        <source>Příplatek Víkend+ (nabízí se od %1 víkendových minut do sítě T-Mobile)</source>
        <translation>Víkend+ add-on (offered from %1 weekend minutes to T-Mobile)</translation>
    </message>
    <message>
        <source>SMS</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>SMS 41. až 800. (%1 SMS)</source>
        <translation>SMS no. 41 to 800 (%1 SMS)</translation>
    </message>
    <message>
        <source>SMS 801. až 8000. (%1 SMS)</source>
        <translation>SMS no. 801 to 8000 (%1 SMS)</translation>
    </message>
    <message>
        <source>SMS do ostatních sítí</source>
        <translation>SMS to other networks</translation>
    </message>
    <message>
        <source>SMS do sítí T-Mobile a Eurotel</source>
        <translation>SMS to T-Mobile and Eurotel</translation>
    </message>
    <message>
        <source>SMS do sítě Eurotel</source>
        <translation>SMS to Eurotel</translation>
    </message>
    <message>
        <source>SMS do sítě Oskar</source>
        <translation>SMS to Oskar</translation>
    </message>
    <message>
        <source>SMS do sítě Oskar při útratě pod 700 Kč</source>
        <translation>SMS to Oskar when spending under 700 Kč</translation>
    </message>
    <message>
        <source>SMS do sítě T-Mobile</source>
        <translation>SMS to T-Mobile</translation>
    </message>
    <message>
        <source>SMS do sítě T-Mobile nad 30 volných</source>
        <translation>SMS to T-Mobile beyond 30 free</translation>
    </message>
    <message>
        <source>SMS nad %1 (Top SMS a volné SMS)</source>
        <translation>SMS beyond %1 (Top SMS and free SMS)</translation>
    </message>
    <message>
        <source>SMS nad %1 SMS</source>
        <translation>SMS beyond %1 SMS</translation>
    </message>
    <message>
        <source>SMS nad %1 v Moje SMS</source>
        <translation>SMS beyond the %1 of Moje SMS</translation>
    </message>
    <message>
        <source>SMS nad %1 volných</source>
        <translation>SMS beyond %1 free</translation>
    </message>
    <message>
        <source>SMS nad 20 volných (platba inkasem)</source>
        <translation>SMS beyond 20 free (direct debit)</translation>
    </message>
    <message>
        <source>SMS od 8001. (%1 SMS)</source>
        <translation>SMS from no. 8001 (%1 SMS)</translation>
    </message>
    <message>
        <source>SMS, prvních 40</source>
        <translation>SMS, first 40</translation>
    </message>
    <message>
        <source>Volné minuty (%1 z %2)</source>
        <translation>Free minutes (%1 of %2)</translation>
    </message>
    <message>
        <source>Volné minuty do mobilních sítí (%1 z %2)</source>
        <translation>Free minutes to mobile networks (%1 of %2)</translation>
    </message>
    <message>
        <source>Volné minuty na pevnou linku (%1 z %2)</source>
        <translation>Free minutes to fixed lines (%1 of %2)</translation>
    </message>
    <message>
        <source>Volné minuty s Moje volné minuty (%1 z %2)</source>
        <translation>Free minutes with Moje volné minuty (%1 of %2)</translation>
    </message>
    <message>
        <source>Volání do sítě Eurotel</source>
        <translation>Calls to Eurotel</translation>
    </message>
    <message>
        <source>Volání do sítě Eurotel, mimo špičku</source>
        <translation>Calls to Eurotel, off-peak</translation>
    </message>
    <message>
        <source>Volání do sítě Eurotel, Špička</source>
        <translation>Calls to Eurotel, peak</translation>
    </message>
    <message>
        <source>Volání do sítě Oskar</source>
        <translation>Calls to Oskar</translation>
    </message>
    <message>
        <source>Volání do sítě Oskar nad %1 minut</source>
        <translation>Calls to Oskar beyond %1 minutes</translation>
    </message>
    <message>
        <source>Volání do sítě Oskar nad %1 volných minut</source>
        <translation>Calls to Oskar beyond %1 free minutes</translation>
    </message>
    <message>
        <source>Volání do sítě Oskar při útratě pod 700 Kč</source>
        <translation>Calls to Oskar when spending under 700 Kč</translation>
    </message>
    <message>
        <source>Volání do sítě Oskar, dalších %1 minut</source>
        <translation>Calls to Oskar, next %1 minutes</translation>
    </message>
    <message>
        <source>Volání do sítě Oskar, mimo špičku</source>
        <translation>Calls to Oskar, off-peak</translation>
    </message>
    <message>
        <source>Volání do sítě Oskar, prvních %1 minut</source>
        <translation>Calls to Oskar, first %1 minutes</translation>
    </message>
    <message>
        <source>Volání do sítě Oskar, Špička</source>
        <translation>Calls to Oskar, peak</translation>
    </message>
    <message>
        <source>Volání do sítě T-Mobile</source>
        <translation>Calls to T-Mobile</translation>
    </message>
    <message>
        <source>Volání do sítě T-Mobile, Odpoledne</source>
        <translation>Calls to T-Mobile, afternoon</translation>
    </message>
    <message>
        <source>Volání do sítě T-Mobile, Večer</source>
        <translation>Calls to T-Mobile, evening</translation>
    </message>
    <message>
        <source>Volání do sítě T-Mobile, Víkend</source>
        <translation>Calls to T-Mobile, weekend</translation>
    </message>
    <message>
        <source>Volání do sítě T-Mobile, mimo špičku</source>
        <translation>Calls to T-Mobile, off-peak</translation>
    </message>
    <message>
        <source>Volání do sítě T-Mobile, Špička</source>
        <translation>Calls to T-Mobile, peak</translation>
    </message>
    <message>
        <source>Volání do zahraničí, zóna %1</source>
        <translation>Calls abroad, zone %1</translation>
    </message>
    <message>
        <source>Volání do zahraničí, zóna %1, Večer a Víkend</source>
        <translation>Calls abroad, zone %1, evening and weekend</translation>
    </message>
    <message>
        <source>Volání do zahraničí, zóna %1, mimo špičku</source>
        <translation>Calls abroad, zone %1, off-peak</translation>
    </message>
    <message>
        <source>Volání do zahraničí, zóna %1, Špička</source>
        <translation>Calls abroad, zone %1, peak</translation>
    </message>
    <message>
        <source>Volání do zahraničí, zóna %1, Špička a Odpoledne</source>
        <translation>Calls abroad, zone %1, peak and afternoon</translation>
    </message>
    <message>
        <source>Volání do zahraničí, zóna 1, Večer a Víkend</source>
        <translation>Calls abroad, zone 1, evening and weekend</translation>
    </message>
    <message>
        <source>Volání do zahraničí, zóna 1, Špička a Odpoledne</source>
        <translation>Calls abroad, zone 1, peak and afternoon</translation>
    </message>
    <message>
        <source>Volání do zahraničí, zóna 2, Večer a Víkend</source>
        <translation>Calls abroad, zone 2, evening and weekend</translation>
    </message>
    <message>
        <source>Volání do zahraničí, zóna 2, Špička a Odpoledne</source>
        <translation>Calls abroad, zone 2, peak and afternoon</translation>
    </message>
    <message>
        <source>Volání na pevnou linku</source>
        <translation>Calls to fixed lines</translation>
    </message>
    <message>
        <source>Volání na pevnou linku, Odpoledne</source>
        <translation>Calls to fixed lines, afternoon</translation>
    </message>
    <message>
        <source>Volání na pevnou linku, Odpoledne, Večer a Víkend</source>
        <translation>Calls to fixed lines, afternoon, evening and weekend</translation>
    </message>
    <message>
        <source>Volání na pevnou linku, Večer</source>
        <translation>Calls to fixed lines, evening</translation>
    </message>
    <message>
        <source>Volání na pevnou linku, Večer a Víkend</source>
        <translation>Calls to fixed lines, evening and weekend</translation>
    </message>
    <message>
        <source>Volání na pevnou linku, Víkend</source>
        <translation>Calls to fixed lines, weekend</translation>
    </message>
    <message>
        <source>Volání na pevnou linku, mimo špičku</source>
        <translation>Calls to fixed lines, off-peak</translation>
    </message>
    <message>
        <source>Volání na pevnou linku, Špička</source>
        <translation>Calls to fixed lines, peak</translation>
    </message>
    <message>
        <source>Volání na pevnou linku, Špička a Odpoledne</source>
        <translation>Calls to fixed lines, peak and afternoon</translation>
    </message>
    <message>
        <source>Volání přes internet (NetCall), zóna %1</source>
        <translation>Calls over the internet (NetCall), zone %1</translation>
    </message>
    <message>
        <source>Volání přes internet, zóna %1</source>
        <translation>Calls over the internet, zone %1</translation>
    </message>
    <message>
        <source>Volání přes internet, zóna 7</source>
        <translation>Calls over the internet, zone 7</translation>
    </message>
    <message>
        <source>Volání přes internet, zóna 8</source>
        <translation>Calls over the internet, zone 8</translation>
    </message>
    <message>
        <source>Volání, Večer a Víkend</source>
        <translation>Calls, evening and weekend</translation>
    </message>
    <message>
        <source>Volání, Špička a Odpoledne</source>
        <translation>Calls, peak and afternoon</translation>
    </message>
    <message>
        <source>Víkend+: volání do sítě T-Mobile o víkendu za 0,60 Kč</source>
        <translation>Víkend+: weekend calls to T-Mobile at 0.60 Kč</translation>
    </message>
    <message>
        <source>WAP</source>
        <translation>WAP</translation>
    </message>
    <message>
        <source>WAP nad %1 v příplatku Můj WAP</source>
        <translation>WAP beyond the %1 of the Můj WAP add-on</translation>
    </message>
    <message>
        <source>Základní měsíční poplatek</source>
        <translation>Basic monthly fee</translation>
    </message>
    <message>
        <source>balíček %1 MMS</source>
        <translation>package of %1 MMS</translation>
    </message>
    <message>
        <source>balíček %1 SMS</source>
        <translation>package of %1 SMS</translation>
    </message>
    <message>
        <source>balíček %1 kB</source>
        <translation>package of %1 kB</translation>
    </message>
    <message>
        <source>balíček %1 min</source>
        <translation>package of %1 min</translation>
    </message>
    <message>
        <source>bez balíčku</source>
        <translation>no package</translation>
    </message>
    <message>
        <source>bez příplatku</source>
        <translation>without the add-on</translation>
    </message>
    <message>
        <source>data (CSD)</source>
        <translation>data (CSD)</translation>
    </message>
    <message>
        <source>data (CSD) nad %1 min</source>
        <translation>data (CSD) beyond %1 min</translation>
    </message>
    <message>
        <source>nejlevnější datové balíčky</source>
        <translation>cheapest data packages</translation>
    </message>
    <message>
        <source>s příplatkem Moje MMS</source>
        <translation>with the Moje MMS add-on</translation>
    </message>
    <message>
        <source>s příplatkem Moje SMS</source>
        <translation>with the Moje SMS add-on</translation>
    </message>
    <message>
        <source>s příplatkem Moje volné minuty</source>
        <translation>with the Moje volné minuty add-on</translation>
    </message>
    <message>
        <source>s příplatkem Můj WAP</source>
        <translation>with the Můj WAP add-on</translation>
    </message>
    <message>
        <source>s příplatkem Top SMS</source>
        <translation>with the Top SMS add-on</translation>
    </message>
    <message>
        <source>s příplatkem Víkend+</source>
        <translation>with the Víkend+ add-on</translation>
    </message>
</context>
<context>
    <name>Countries</name>
    <message>
        <source>Slovensko</source>
        <translation>Slovakia</translation>
    </message>
    <message>
        <source>Německo</source>
        <translation>Germany</translation>
    </message>
    <message>
        <source>Polsko</source>
        <translation>Poland</translation>
    </message>
    <message>
        <source>Rakousko</source>
        <translation>Austria</translation>
    </message>
    <message>
        <source>Austrálie</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>Belgie</source>
        <translation>Belgium</translation>
    </message>
    <message>
        <source>Bělorusko</source>
        <translation>Belarus</translation>
    </message>
    <message>
        <source>Bosna-Hercegovina</source>
        <translation>Bosnia and Herzegovina</translation>
    </message>
    <message>
        <source>Bulharsko</source>
        <translation>Bulgaria</translation>
    </message>
    <message>
        <source>Dánsko</source>
        <translation>Denmark</translation>
    </message>
    <message>
        <source>Estonsko</source>
        <translation>Estonia</translation>
    </message>
    <message>
        <source>Finsko</source>
        <translation>Finland</translation>
    </message>
    <message>
        <source>Francie</source>
        <translation>France</translation>
    </message>
    <message>
        <source>Chorvatsko</source>
        <translation>Croatia</translation>
    </message>
    <message>
        <source>Irsko</source>
        <translation>Ireland</translation>
    </message>
    <message>
        <source>Itálie</source>
        <translation>Italy</translation>
    </message>
    <message>
        <source>Jugoslávie</source>
        <translation>Yugoslavia</translation>
    </message>
    <message>
        <source>Kanada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <source>Lichtenštejnsko</source>
        <translation>Liechtenstein</translation>
    </message>
    <message>
        <source>Litva</source>
        <translation>Lithuania</translation>
    </message>
    <message>
        <source>Lotyšsko</source>
        <translation>Latvia</translation>
    </message>
    <message>
        <source>Lucembursko</source>
        <translation>Luxembourg</translation>
    </message>
    <message>
        <source>Maďarsko</source>
        <translation>Hungary</translation>
    </message>
    <message>
        <source>Nizozemsko</source>
        <translation>Netherlands</translation>
    </message>
    <message>
        <source>Norsko</source>
        <translation>Norway</translation>
    </message>
    <message>
        <source>Portugalsko</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>Rumunsko</source>
        <translation>Romania</translation>
    </message>
    <message>
        <source>Rusko</source>
        <translation>Russia</translation>
    </message>
    <message>
        <source>Řecko</source>
        <translation>Greece</translation>
    </message>
    <message>
        <source>Slovinsko</source>
        <translation>Slovenia</translation>
    </message>
    <message>
        <source>Španělsko</source>
        <translation>Spain</translation>
    </message>
    <message>
        <source>Švédsko</source>
        <translation>Sweden</translation>
    </message>
    <message>
        <source>Švýcarsko</source>
        <translation>Switzerland</translation>
    </message>
    <message>
        <source>Ukrajina</source>
        <translation>Ukraine</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>USA</translation>
    </message>
    <message>
        <source>Velká Británie</source>
        <translation>United Kingdom</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>leden</source>
        <translation>January</translation>
    </message>
    <message>
        <source>únor</source>
        <translation>February</translation>
    </message>
    <message>
        <source>březen</source>
        <translation>March</translation>
    </message>
    <message>
        <source>duben</source>
        <translation>April</translation>
    </message>
    <message>
        <source>květen</source>
        <translation>May</translation>
    </message>
    <message>
        <source>červen</source>
        <translation>June</translation>
    </message>
    <message>
        <source>červenec</source>
        <translation>July</translation>
    </message>
    <message>
        <source>srpen</source>
        <translation>August</translation>
    </message>
    <message>
        <source>září</source>
        <translation>September</translation>
    </message>
    <message>
        <source>říjen</source>
        <translation>October</translation>
    </message>
    <message>
        <source>listopad</source>
        <translation>November</translation>
    </message>
    <message>
        <source>prosinec</source>
        <translation>December</translation>
    </message>
    <message>
        <source>1 den</source>
        <translation>1 day</translation>
    </message>
    <message>
        <source>%1 dny</source>
        <translation>%1 days</translation>
    </message>
    <message>
        <source>%1 dní</source>
        <translation>%1 days</translation>
    </message>
    <message>
        <source>výpis hovorů v CSV</source>
        <translation>call log in CSV</translation>
    </message>
    <message>
        <source>záloha hovorů z Androidu</source>
        <translation>Android call backup</translation>
    </message>
    <message>
        <source>záloha zpráv z Androidu</source>
        <translation>Android message backup</translation>
    </message>
    <message>
        <source>příchozí hovory</source>
        <translation>incoming calls</translation>
    </message>
    <message>
        <source>zmeškané, odmítnuté a blokované hovory</source>
        <translation>missed, rejected and blocked calls</translation>
    </message>
    <message>
        <source>nespojené hovory (0 s)</source>
        <translation>unconnected calls (0 s)</translation>
    </message>
    <message>
        <source>přijaté zprávy</source>
        <translation>received messages</translation>
    </message>
    <message>
        <source>neodeslané zprávy (koncepty, k odeslání, neúspěšné)</source>
        <translation>unsent messages (drafts, outbox, failed)</translation>
    </message>
    <message>
        <source>jiné záznamy hovorů</source>
        <translation>other call records</translation>
    </message>
    <message>
        <source>bez čísla (skryté nebo prázdné)</source>
        <translation>no number (hidden or empty)</translation>
    </message>
    <message>
        <source>není telefonní číslo</source>
        <translation>not a phone number</translation>
    </message>
    <message>
        <source>vnitrostátní číslo o %1 číslicích</source>
        <translation>domestic number of %1 digits</translation>
    </message>
    <message>
        <source>vnitrostátní číslo začínající 0 nebo 1</source>
        <translation>domestic number starting with 0 or 1</translation>
    </message>
    <message>
        <source>předvolba +%1 není v seznamu zemí</source>
        <translation>country code +%1 is not in the list of countries</translation>
    </message>
    <message>
        <source>předvolba +%1 se nezařazuje</source>
        <translation>country code +%1 is not assigned</translation>
    </message>
    <message>
        <source>řádek je delší než %1 bajtů</source>
        <translation>the line is longer than %1 bytes</translation>
    </message>
    <message>
        <source>neuzavřené uvozovky</source>
        <translation>unclosed quotes</translation>
    </message>
    <message>
        <source>jiný počet polí než v záhlaví</source>
        <translation>a different number of fields than the header</translation>
    </message>
    <message>
        <source>datum: čekáno d. m. rrrr nebo rrrr-mm-dd</source>
        <translation>date: expected d. m. yyyy or yyyy-mm-dd</translation>
    </message>
    <message>
        <source>čas: čekáno H:MM nebo H:MM:SS</source>
        <translation>time: expected H:MM or H:MM:SS</translation>
    </message>
    <message>
        <source>směr: čekáno out, in nebo missed</source>
        <translation>direction: expected out, in or missed</translation>
    </message>
    <message>
        <source>typ: čekáno call, sms, mms, data nebo wap</source>
        <translation>type: expected call, sms, mms, data or wap</translation>
    </message>
    <message>
        <source>trvání: čekány celé sekundy, nejvýš 31 dní</source>
        <translation>duration: expected whole seconds, at most 31 days</translation>
    </message>
    <message>
        <source>objem: čekány kilobajty</source>
        <translation>volume: expected kilobytes</translation>
    </message>
    <message>
        <source>chybí platné datum (date)</source>
        <translation>no valid date (date)</translation>
    </message>
    <message>
        <source>chybí platný typ (type, msg_box)</source>
        <translation>no valid type (type, msg_box)</translation>
    </message>
    <message>
        <source>chybí platná délka hovoru (duration)</source>
        <translation>no valid call length (duration)</translation>
    </message>
    <message>
        <source>prvek větší než %1 MiB; zbytek souboru nebyl přečten</source>
        <translation>an element larger than %1 MiB; the rest of the file was not read</translation>
    </message>
    <message>
        <source>chyba XML; zbytek souboru nebyl přečten (%1)</source>
        <translation>XML error; the rest of the file was not read (%1)</translation>
    </message>
    <message>
        <source>Soubor je prázdný.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Soubor není text, ale binární data.</source>
        <translation>The file is not text but binary data.</translation>
    </message>
    <message>
        <source>První řádek není záhlaví výpisu hovorů (date, time, direction, number, duration, type, volume_kb).</source>
        <translation>The first line is not the header of a call log (date, time, direction, number, duration, type, volume_kb).</translation>
    </message>
    <message>
        <source>Soubor obsahuje deklaraci typu dokumentu (DOCTYPE); taková XML se z bezpečnostních důvodů nečtou.</source>
        <translation>The file contains a document type declaration (DOCTYPE); such XML files are not read, for security reasons.</translation>
    </message>
    <message>
        <source>Soubor deklaruje entity; taková XML se z bezpečnostních důvodů nečtou.</source>
        <translation>The file declares entities; such XML files are not read, for security reasons.</translation>
    </message>
    <message>
        <source>Soubor není záloha hovorů (&lt;calls&gt;) ani zpráv (&lt;smses&gt;).</source>
        <translation>The file is neither a call backup (&lt;calls&gt;) nor a message backup (&lt;smses&gt;).</translation>
    </message>
    <message>
        <source>Import výpisu hovorů</source>
        <translation>Import a call log</translation>
    </message>
    <message>
        <source>Nastavení</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>&amp;Období:</source>
        <translation>&amp;Period:</translation>
    </message>
    <message>
        <source>každý hovor na započaté &amp;minuty</source>
        <translation>each call in started &amp;minutes</translation>
    </message>
    <message>
        <source>sčítat po &amp;sekundách</source>
        <translation>add up by the &amp;second</translation>
    </message>
    <message>
        <source>Zaokrouhlení:</source>
        <translation>Rounding:</translation>
    </message>
    <message>
        <source>Š&amp;pička od</source>
        <translation>P&amp;eak</translation>
    </message>
    <message>
        <source>O&amp;dpoledne od</source>
        <translation>&amp;Afternoon</translation>
    </message>
    <message>
        <source>&amp;Večer od</source>
        <translation>E&amp;vening</translation>
    </message>
    <message>
        <source>(po–pá; víkend a svátky celý den)</source>
        <translation>(Mon–Fri; weekends and holidays all day)</translation>
    </message>
    <message>
        <source>Pásma:</source>
        <translation>Bands start:</translation>
    </message>
    <message>
        <source>&amp;Hodnoty do políček</source>
        <translation>Values for the &amp;boxes</translation>
    </message>
    <message>
        <source>&amp;Nezapočteno</source>
        <translation>&amp;Not counted</translation>
    </message>
    <message>
        <source>&amp;Ceny po měsících</source>
        <translation>Monthly pri&amp;ces</translation>
    </message>
    <message>
        <source>Po&amp;užít</source>
        <translation>&amp;Use</translation>
    </message>
    <message>
        <source>&amp;Zrušit</source>
        <translation>Cance&amp;l</translation>
    </message>
    <message>
        <source>Pevná linka (min)</source>
        <translation>Fixed line (min)</translation>
    </message>
    <message>
        <source>T - Mobile (min)</source>
        <translation>T - Mobile (min)</translation>
    </message>
    <message>
        <source>Eurotel (min)</source>
        <translation>Eurotel (min)</translation>
    </message>
    <message>
        <source>Oskar (min)</source>
        <translation>Oskar (min)</translation>
    </message>
    <message>
        <source>SMS T-Mobile / Eurotel / Oskar, MMS (ks)</source>
        <translation>SMS T-Mobile / Eurotel / Oskar, MMS (pcs)</translation>
    </message>
    <message>
        <source>Hlasová schránka (min)</source>
        <translation>Voice mailbox (min)</translation>
    </message>
    <message>
        <source>Datové přenosy (min)</source>
        <translation>Data transfers (min)</translation>
    </message>
    <message>
        <source>WAP (min)</source>
        <translation>WAP (min)</translation>
    </message>
    <message>
        <source>Země</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Špička</source>
        <translation>Peak</translation>
    </message>
    <message>
        <source>Odpoledne</source>
        <translation>Afternoon</translation>
    </message>
    <message>
        <source>Večer + víkend</source>
        <translation>Evening + weekend</translation>
    </message>
    <message>
        <source>Období</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>Nejlevnější tarif</source>
        <translation>Cheapest tariff</translation>
    </message>
    <message>
        <source>Cena (Kč)</source>
        <translation>Price (CZK)</translation>
    </message>
    <message>
        <source>Každý měsíc záznamu spočítaný zvlášť, jak je, bez přepočtu; za celé období tarif s nejnižším součtem měsíčních cen.</source>
        <translation>Each month of the record priced on its own, as it is, without scaling; for the whole period, the tariff with the lowest sum of monthly prices.</translation>
    </message>
    <message>
        <source>Soubor %1 nelze otevřít.</source>
        <translation>The file %1 cannot be opened.</translation>
    </message>
    <message>
        <source>Soubor %1 nelze importovat: %2</source>
        <translation>The file %1 cannot be imported: %2</translation>
    </message>
    <message>
        <source>celý záznam přepočtený na 30 dní</source>
        <translation>the whole record scaled to 30 days</translation>
    </message>
    <message>
        <source> (jak je)</source>
        <translation> (as it is)</translation>
    </message>
    <message>
        <source>V záznamu nejsou žádné události.</source>
        <translation>The record holds no events.</translation>
    </message>
    <message>
        <source>Záznam: %1 – %2</source>
        <translation>Record: %1 – %2</translation>
    </message>
    <message>
        <source>, měsíc o %1 bez přepočtu</source>
        <translation>, a month of %1 without scaling</translation>
    </message>
    <message>
        <source>, %1 přepočteno na 30 dní</source>
        <translation>, %1 scaled to 30 days</translation>
    </message>
    <message>
        <source>, 30 dní</source>
        <translation>, 30 days</translation>
    </message>
    <message>
        <source>. Událostí: %1, z toho odchozích zpoplatněných: %2.</source>
        <translation>. Events: %1, of which outgoing and charged: %2.</translation>
    </message>
    <message>
        <source>GPRS WAP: %1 kB    GPRS internet: %2 kB</source>
        <translation>GPRS WAP: %1 kB    GPRS internet: %2 kB</translation>
    </message>
    <message>
        <source>Započítávají se jen odchozí, spojené a zpoplatněné události.</source>
        <translation>Only outgoing, connected and charged events are counted.</translation>
    </message>
    <message>
        <source>Přeskočeno:</source>
        <translation>Skipped:</translation>
    </message>
    <message>
        <source>Odesláno, ale profil pro to nemá políčko:</source>
        <translation>Sent, but the profile has no box for it:</translation>
    </message>
    <message>
        <source>  %1 × SMS na pevnou linku nebo do hlasové schránky</source>
        <translation>  %1 × SMS to a fixed line or a voice mailbox</translation>
    </message>
    <message>
        <source>  %1 × SMS do zahraničí</source>
        <translation>  %1 × SMS abroad</translation>
    </message>
    <message>
        <source>Nezařazeno (číslo neodpovídá žádnému pravidlu):</source>
        <translation>Not classified (the number matches no rule):</translation>
    </message>
    <message>
        <source>  %1 × %2, %3 min</source>
        <translation>  %1 × %2, %3 min</translation>
    </message>
    <message>
        <source>Země nad čtyři mezinárodní řádky (nezapočteno):</source>
        <translation>Countries beyond the four international rows (not counted):</translation>
    </message>
    <message>
        <source>  %1, %2 min</source>
        <translation>  %1, %2 min</translation>
    </message>
    <message>
        <source>Odmítnuté řádky nebo prvky (%1):</source>
        <translation>Refused lines or elements (%1):</translation>
    </message>
    <message>
        <source>  řádek %1: %2</source>
        <translation>  line %1: %2</translation>
    </message>
    <message>
        <source>  … a dalších %1</source>
        <translation>  … and %1 more</translation>
    </message>
    <message>
        <source>Políček omezených na největší hodnotu: %1</source>
        <translation>Boxes limited to the largest value: %1</translation>
    </message>
    <message>
        <source>celé období (%1 měsíce)</source>
        <translation>whole period (%1 months)</translation>
    </message>
    <message>
        <source>celé období (%1 měsíců)</source>
        <translation>whole period (%1 months)</translation>
    </message>
    <message>
        <source>Výpisy a zálohy hovorů (*.csv *.xml *.txt);;Všechny soubory (*)</source>
        <translation>Call logs and backups (*.csv *.xml *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Večer</source>
        <translation>Evening</translation>
    </message>
    <message>
        <source>Víkend</source>
        <translation>Weekend</translation>
    </message>
    <message>
        <source>1 událost</source>
        <translation>1 event</translation>
    </message>
    <message>
        <source>%1 události</source>
        <translation>%1 events</translation>
    </message>
    <message>
        <source>%1 událostí</source>
        <translation>%1 events</translation>
    </message>
    <message>
        <source>datum: rok musí být od %1 do %2</source>
        <translation>date: the year must be from %1 to %2</translation>
    </message>
    <message>
        <source>bajt NUL: binární data, ne text</source>
        <translation>a NUL byte: binary data, not text</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>column: Czech name (English name)</comment>
        <translation>%2 (%1)</translation>
    </message>
    <message>
        <source>V záhlaví výpisu hovorů chybí sloupec %1.</source>
        <translation>The header of the call log lacks the column %1.</translation>
    </message>
    <message>
        <source>V záhlaví výpisu hovorů chybí sloupce %1.</source>
        <translation>The header of the call log lacks the columns %1.</translation>
    </message>
    <message>
        <source>Soubor je v kódování, které program nečte; čte zálohy v UTF-8, UTF-16, ISO-8859-1 a US-ASCII.</source>
        <translation>The file is in an encoding the program does not read; it reads backups in UTF-8, UTF-16, ISO-8859-1 and US-ASCII.</translation>
    </message>
    <message>
        <source>Pozor: %1 (%2) leží %3 od ostatních. Není v datu překlep?</source>
        <translation>Warning: %3 separate %1 (%2) from the others. Is a date mistyped?</translation>
    </message>
    <message>
        <source>Odmítnutých řádků nebo prvků: %1 (viz „Nezapočteno“).</source>
        <translation>Refused lines or elements: %1 (see “Not counted”).</translation>
    </message>
</context>
<context>
    <name>PredefinedPanel</name>
    <message>
        <source>&amp;Předdefinované profily</source>
        <translation>&amp;Predefined profiles</translation>
    </message>
    <message>
        <source>Volám:</source>
        <translation>I call:</translation>
    </message>
    <message>
        <source>Vyberte jak často voláte</source>
        <translation>Choose how often you call</translation>
    </message>
    <message>
        <source>Málo</source>
        <translation>Little</translation>
    </message>
    <message>
        <source>Středně</source>
        <translation>Moderately</translation>
    </message>
    <message>
        <source>Hodně</source>
        <translation>A lot</translation>
    </message>
    <message>
        <source>Převážně volám na:</source>
        <translation>I mostly call to:</translation>
    </message>
    <message>
        <source>Pevnou linku</source>
        <translation>Fixed line</translation>
    </message>
    <message>
        <source>Převážně volám:</source>
        <translation>When I mostly call:</translation>
    </message>
    <message>
        <source>Ve špičce</source>
        <translation>Peak hours</translation>
    </message>
    <message>
        <source>Odpoledne</source>
        <translation>Afternoon</translation>
    </message>
    <message>
        <source>Večer</source>
        <translation>Evening</translation>
    </message>
    <message>
        <source>O víkendu</source>
        <translation>Weekend</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>očekává se částka zapsaná jako text, například „7.14“</source>
        <translation>expected an amount written as text, such as “7.14”</translation>
    </message>
    <message>
        <source>„%1“ má víc než 4 desetinná místa</source>
        <translation>“%1” has more than 4 decimals</translation>
    </message>
    <message>
        <source>„%1“ je víc než největší částka 999999999,9999</source>
        <translation>“%1” is above the largest amount, 999999999.9999</translation>
    </message>
    <message>
        <source>„%1“ je záporná částka; částka je 0 nebo víc</source>
        <translation>“%1” is negative; an amount is 0 or more</translation>
    </message>
    <message>
        <source>„%1“ není částka: číslice a nejvýš 4 desetinná místa, například 7,14</source>
        <translation>“%1” is not an amount: digits with at most 4 decimals, such as 7.14</translation>
    </message>
    <message>
        <source>očekává se celé číslo od %1 do %2, zadáno %3</source>
        <translation>expected a whole number from %1 to %2, found %3</translation>
    </message>
    <message>
        <source>je prázdné; vyplňte text</source>
        <translation>is empty; fill in a text</translation>
    </message>
    <message>
        <source>je delší než %1 znaků</source>
        <translation>is longer than %1 characters</translation>
    </message>
    <message>
        <source>obsahuje řídicí znak; očekává se text na jednom řádku</source>
        <translation>holds a control character; expected a text on one line</translation>
    </message>
    <message>
        <source>„%1“ není identifikátor: 1 až 64 písmen a–z, A–Z bez diakritiky, číslic a znaků „_“, „-“, „.“; nezačíná „-“ ani „.“</source>
        <translation>“%1” is not an id: 1 to 64 letters a–z, A–Z without accents, digits and “_”, “-”, “.”; not starting with “-” or “.”</translation>
    </message>
    <message>
        <source>„%1“ není datum RRRR-MM-DD z kalendáře</source>
        <translation>“%1” is not a calendar date YYYY-MM-DD</translation>
    </message>
    <message>
        <source>„%1“ je identifikátor vestavěného tarifu; zvolte jiný</source>
        <translation>“%1” is the id of a built-in tariff; choose another</translation>
    </message>
    <message>
        <source>%1 je před začátkem platnosti %2</source>
        <translation>%1 is before the start of validity %2</translation>
    </message>
    <message>
        <source>„%1“ neznám; nemyslíte „%2“?</source>
        <translation>“%1” is not known; did you mean “%2”?</translation>
    </message>
    <message>
        <source>„%1“ neznám; očekává se jedno z %2</source>
        <translation>“%1” is not known; expected one of %2</translation>
    </message>
    <message>
        <source>neznámý klíč „%1“; nemyslíte „%2“?</source>
        <translation>unknown key “%1”; did you mean “%2”?</translation>
    </message>
    <message>
        <source>neznámý klíč „%1“; očekává se jeden z %2</source>
        <translation>unknown key “%1”; expected one of %2</translation>
    </message>
    <message>
        <source>chybí rozdělení zemí do pásem, ke kterému sazby podle pásem a zemí patří</source>
        <translation>the zone scheme the rates by zone and country belong to is missing</translation>
    </message>
    <message>
        <source>chybí rozdělení zemí do pásem</source>
        <translation>the zone scheme is missing</translation>
    </message>
    <message>
        <source>povinný údaj chybí</source>
        <translation>required, but missing</translation>
    </message>
    <message>
        <source>nepokrývá nic; zvolte aspoň jednu službu</source>
        <translation>covers nothing; choose at least one service</translation>
    </message>
    <message>
        <source>neobsahuje žádný tarif</source>
        <translation>holds no tariff</translation>
    </message>
    <message>
        <source>nezvoleno žádné časové pásmo</source>
        <translation>no time band chosen</translation>
    </message>
    <message>
        <source>očekává se %1 částek (%2), zadáno %3</source>
        <translation>expected %1 amounts (%2), found %3</translation>
    </message>
    <message>
        <source>uvádí „%1“ dvakrát</source>
        <translation>lists “%1” twice</translation>
    </message>
    <message>
        <source>v pásmu %1 rozdělení „%2“ není žádná země; sazba se nepoužije</source>
        <translation>no country is in zone %1 of “%2”; the rate is never used</translation>
    </message>
    <message>
        <source>0 nezahrnuje nic</source>
        <translation>0 includes nothing</translation>
    </message>
    <message>
        <source>pokryté služby nemají časová pásma; pásma platí jen pro volání, data a WAP</source>
        <translation>the services covered have no time bands; bands apply to calls, data and WAP only</translation>
    </message>
    <message>
        <source>tato jednotka (%1) nemůže pokrýt „%2“, která se počítá v jednotce %3</source>
        <translation>this unit (%1) cannot cover “%2”, which is counted in %3</translation>
    </message>
    <message>
        <source>pokrývá totéž co „%1“ (%2), aniž by s ním tvořilo jeden celek</source>
        <translation>covers what “%1” (%2) covers without being one pool with it</translation>
    </message>
    <message>
        <source>identifikátor „%2“ se opakuje; je také v %3</source>
        <translation>the id “%2” is repeated; also at %3</translation>
    </message>
    <message>
        <source>tarif „%1“ v revizi %2 je uveden dvakrát; také v %3</source>
        <translation>tariff “%1” revision %2 is given twice; also at %3</translation>
    </message>
    <message>
        <source>revize %1 tarifu „%2“ a revize %3 (%4) platí obě v den %5; revize jednoho tarifu se nesmějí překrývat</source>
        <translation>revision %1 of “%2” and revision %3 (%4) are both valid on %5; revisions of one tariff may not overlap</translation>
    </message>
    <message>
        <source>neuvádí adresu ani dokument; uveďte, kde lze ceny ověřit</source>
        <translation>names neither an address nor a document; say where the prices can be checked</translation>
    </message>
    <message>
        <source>chybí zdroj; uveďte, odkud ceny jsou</source>
        <translation>no source; say where the prices come from</translation>
    </message>
    <message>
        <source>očekává se barva ve tvaru #rrggbb</source>
        <translation>expected a colour #rrggbb</translation>
    </message>
    <message>
        <source>„%1“ není formát, který program čte; očekává se „sazbar-tariffs/1“</source>
        <translation>“%1” is not a format this program reads; expected “sazbar-tariffs/1”</translation>
    </message>
    <message>
        <source>klíč „%1“ je v jednom objektu dvakrát</source>
        <translation>key “%1” is given twice in one object</translation>
    </message>
    <message>
        <source>vnoření je hlubší než %1 úrovní</source>
        <translation>nested deeper than %1 levels</translation>
    </message>
    <message>
        <source>soubor je větší než 16 MiB</source>
        <translation>the file is larger than 16 MiB</translation>
    </message>
    <message>
        <source>soubor nelze otevřít: %1</source>
        <translation>the file cannot be opened: %1</translation>
    </message>
    <message>
        <source>soubor nelze přečíst</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>nesprávný druh hodnoty (%2); očekává se %1</source>
        <translation>wrong kind of value (%2); expected %1</translation>
    </message>
    <message>
        <source>řádek %1, sloupec %2</source>
        <translation>line %1, column %2</translation>
    </message>
    <message>
        <source>Varování: %1</source>
        <translation>Warning: %1</translation>
    </message>
</context>
<context>
    <name>ProfileDocument</name>
    <message>
        <source>Pro&amp;fil</source>
        <translation>Pro&amp;file</translation>
    </message>
    <message>
        <source>Uloží nebo otevře celé zadání jako soubor profilu</source>
        <translation>Saves or opens everything entered as a profile file</translation>
    </message>
    <message>
        <source>&amp;Otevřít profil…</source>
        <translation>&amp;Open profile…</translation>
    </message>
    <message>
        <source>&amp;Uložit profil…</source>
        <translation>&amp;Save profile…</translation>
    </message>
    <message>
        <source>Uložit profil &amp;jako…</source>
        <translation>Save profile &amp;as…</translation>
    </message>
    <message>
        <source>&amp;Naposledy otevřené</source>
        <translation>&amp;Recently opened</translation>
    </message>
    <message>
        <source>%1[*] – Sazbar 2000</source>
        <translation>%1[*] – Sazbar 2000</translation>
    </message>
    <message>
        <source>Otevřít profil</source>
        <translation>Open profile</translation>
    </message>
    <message>
        <source>Profil „%1“ nelze otevřít.

%2

Zadání zůstává beze změny.</source>
        <translation>The profile “%1” cannot be opened.

%2

Nothing entered has changed.</translation>
    </message>
    <message>
        <source>Uložit profil</source>
        <translation>Save profile</translation>
    </message>
    <message>
        <source>Profil „%1“ nelze uložit.

%2</source>
        <translation>The profile “%1” cannot be saved.

%2</translation>
    </message>
    <message>
        <source>Zadané hodnoty se změnily.</source>
        <translation>The values entered have changed.</translation>
    </message>
    <message>
        <source>Profil „%1“ se změnil.</source>
        <translation>The profile “%1” has changed.</translation>
    </message>
    <message>
        <source>Uložit změny?</source>
        <translation>Save the changes?</translation>
    </message>
    <message>
        <source>Profily Sazbaru (*.sazbar.json);;Soubory JSON (*.json);;Všechny soubory (*)</source>
        <translation>Sazbar profiles (*.sazbar.json);;JSON files (*.json);;All files (*)</translation>
    </message>
    <message>
        <source>profil</source>
        <translation>profile</translation>
    </message>
    <message>
        <source>Profily Sazbaru (*.sazbar.json)</source>
        <translation>Sazbar profiles (*.sazbar.json)</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Špička</source>
        <translation>Peak</translation>
    </message>
    <message>
        <source>Odpoledne</source>
        <translation>Afternoon</translation>
    </message>
    <message>
        <source>Večer</source>
        <translation>Evening</translation>
    </message>
    <message>
        <source>Víkend</source>
        <translation>Weekend</translation>
    </message>
    <message>
        <source>Pevná linka</source>
        <translation>Fixed line</translation>
    </message>
    <message>
        <source>T - Mobile</source>
        <translation>T - Mobile</translation>
    </message>
    <message>
        <source>Eurotel</source>
        <translation>Eurotel</translation>
    </message>
    <message>
        <source>Oskar</source>
        <translation>Oskar</translation>
    </message>
    <message>
        <source>SMS a MMS</source>
        <translation>SMS and MMS</translation>
    </message>
    <message>
        <source>Hlasová schránka</source>
        <translation>Voice mailbox</translation>
    </message>
    <message>
        <source>Datové přenosy</source>
        <translation>Data transfers</translation>
    </message>
    <message>
        <source>Položka „name“ musí být text.</source>
        <translation>The entry “name” must be a text.</translation>
    </message>
    <message>
        <source>Neznámá položka „%1“.</source>
        <translation>Unknown entry “%1”.</translation>
    </message>
    <message>
        <source>Položka „%1“ musí být celé číslo od 0 do 2147483647.</source>
        <translation>The entry “%1” must be a whole number from 0 to 2147483647.</translation>
    </message>
    <message>
        <source>Položka „%1“ musí být true nebo false.</source>
        <translation>The entry “%1” must be true or false.</translation>
    </message>
    <message>
        <source>Položka „%1“ musí být pole 4 celých čísel.</source>
        <translation>The entry “%1” must be an array of 4 whole numbers.</translation>
    </message>
    <message>
        <source>Položka „matrix“ musí být pole 4 pásem po 7 celých číslech.</source>
        <translation>The entry “matrix” must be an array of 4 bands of 7 whole numbers each.</translation>
    </message>
    <message>
        <source>Položka „matrix[%1]“ (%2) musí být pole 7 celých čísel.</source>
        <translation>The entry “matrix[%1]” (%2) must be an array of 7 whole numbers.</translation>
    </message>
    <message>
        <source>Položka „international“ musí být pole nejvýše 4 řádků.</source>
        <translation>The entry “international” must be an array of at most 4 rows.</translation>
    </message>
    <message>
        <source>Položka „%1“ musí být objekt.</source>
        <translation>The entry “%1” must be an object.</translation>
    </message>
    <message>
        <source>Položka „%1“ musí být číslo země od 0 do 35.</source>
        <translation>The entry “%1” must be a country number from 0 to 35.</translation>
    </message>
    <message>
        <source>Soubor je na profil příliš velký (nejvýše %1 bajtů).</source>
        <translation>The file is too large for a profile (at most %1 bytes).</translation>
    </message>
    <message>
        <source>Soubor neobsahuje profil: čeká se objekt JSON.</source>
        <translation>The file holds no profile: a JSON object is expected.</translation>
    </message>
    <message>
        <source>Soubor nelze otevřít: %1.</source>
        <translation>The file cannot be opened: %1.</translation>
    </message>
    <message>
        <source>Soubor nelze přečíst: %1.</source>
        <translation>The file cannot be read: %1.</translation>
    </message>
    <message>
        <source>Soubor nelze vytvořit: %1.</source>
        <translation>The file cannot be created: %1.</translation>
    </message>
    <message>
        <source>Soubor nelze zapsat: %1.</source>
        <translation>The file cannot be written: %1.</translation>
    </message>
    <message>
        <source>Soubor nelze uložit: %1.</source>
        <translation>The file cannot be saved: %1.</translation>
    </message>
    <message>
        <source>soubor je prázdný</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>soubor obsahuje nulový bajt, nejde o text</source>
        <translation>the file holds a NUL byte, it is not text</translation>
    </message>
    <message>
        <source>soubor končí uprostřed čísla</source>
        <translation>the file ends in the middle of a number</translation>
    </message>
    <message>
        <source>soubor končí uprostřed textu v uvozovkách</source>
        <translation>the file ends in the middle of a quoted text</translation>
    </message>
    <message>
        <source>soubor končí dřív, než se uzavřou všechny závorky</source>
        <translation>the file ends before all brackets are closed</translation>
    </message>
    <message>
        <source>chybně zapsané číslo</source>
        <translation>a wrongly written number</translation>
    </message>
    <message>
        <source>text v uvozovkách obsahuje řídicí znak nebo chybné zpětné lomítko</source>
        <translation>a quoted text holds a control character or a wrong backslash</translation>
    </message>
    <message>
        <source>znak, který není v kódování UTF-8</source>
        <translation>a character that is not UTF-8</translation>
    </message>
    <message>
        <source>chybí nebo přebývá čárka, dvojtečka nebo závorka</source>
        <translation>a comma, colon or bracket is missing or one too many</translation>
    </message>
    <message>
        <source>za koncem profilu následuje další text</source>
        <translation>more text follows the end of the profile</translation>
    </message>
    <message>
        <source>znak, který do JSON nepatří</source>
        <translation>a character that does not belong in JSON</translation>
    </message>
    <message>
        <source>Soubor není platný JSON (řádek %1, sloupec %2): %3.</source>
        <translation>The file is not valid JSON (line %1, column %2): %3.</translation>
    </message>
    <message>
        <source>Položka „%1“ je v souboru dvakrát.</source>
        <translation>The entry “%1” is in the file twice.</translation>
    </message>
    <message>
        <source>Soubor nelze otevřít: není to obyčejný soubor, ale složka, roura nebo zařízení.</source>
        <translation>Cannot open the file: it is not a regular file but a folder, a pipe or a device.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Vnitrostátní</source>
        <translation>Domestic</translation>
    </message>
    <message>
        <source>Mezinárodní</source>
        <translation>International</translation>
    </message>
    <message>
        <source>Uložit hodnoty</source>
        <translation>Save values</translation>
    </message>
    <message>
        <source>Uloží vyplněné hodnoty při ukončení programu</source>
        <translation>Saves the values entered when the program ends</translation>
    </message>
    <message>
        <source>&amp;Výpočet</source>
        <translation>&amp;Calculate</translation>
    </message>
    <message>
        <source>Vynuluje zadané hodnoty</source>
        <translation>Sets every value entered to zero</translation>
    </message>
    <message>
        <source>I&amp;mport…</source>
        <translation>I&amp;mport…</translation>
    </message>
    <message>
        <source>Vyplní políčka z výpisu hovorů nebo ze zálohy telefonu</source>
        <translation>Fills the boxes from a call log or a phone backup</translation>
    </message>
    <message>
        <source>&amp;Nápověda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Zobrazí nápovědu</source>
        <translation>Shows the help</translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>N&amp;ulování</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>&amp;Ceníky…</source>
        <translation>&amp;Price lists…</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Nápověda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Ceny tarifů</source>
        <translation>Tariff prices</translation>
    </message>
    <message>
        <source>Každé políčko ukazuje, kolik byste měsíčně zaplatili u jednoho tarifu, v celých korunách. Ceny se počítají z hodnot, které jste zadali v hlavním okně. Když podržíte myš nad políčkem, zobrazí se podrobnosti, například s jakým datovým balíčkem nebo doplňkem cena počítá.</source>
        <translation>Each box shows what you would pay a month with one tariff, in whole crowns. The prices are worked out from the values you entered in the main window. When you hold the mouse over a box, the details appear, for example which data package or add-on the price assumes.</translation>
    </message>
    <message>
        <source>Nejlevnější tarif</source>
        <translation>Cheapest tariff</translation>
    </message>
    <message>
        <source>Nejnižší cena je napsaná červeně. Vyjde-li stejně levně více tarifů, jsou červeně všechny.</source>
        <translation>The lowest price is written in red. When several tariffs come out equally cheap, all of them are red.</translation>
    </message>
    <message>
        <source>Nepodporované služby</source>
        <translation>Unsupported services</translation>
    </message>
    <message>
        <source>Tarif, u kterého nelze využívat některou ze zadaných služeb (datové přenosy, WAP, MMS nebo GPRS), má políčko podbarvené a v podrobnostech je uvedeno, kterou službu nepodporuje. Jeho cenu proto nelze s ostatními přímo srovnávat.</source>
        <translation>A tariff that cannot carry one of the services entered (data transfers, WAP, MMS or GPRS) has a shaded box, and its details say which service it does not support. Its price therefore cannot be compared directly with the others.</translation>
    </message>
    <message>
        <source>Další volby</source>
        <translation>Other options</translation>
    </message>
    <message>
        <source>„Platba inkasem“ počítá s cenami při placení inkasem. „Vypočítat Český Telecom“ přidá pro srovnání cenu pevné linky Telefon Standard.</source>
        <translation>“Payment by direct debit” uses the prices for paying by direct debit. “Include Český Telecom” adds the price of the fixed line Telefon Standard for comparison.</translation>
    </message>
    <message>
        <source>Rozpis ceny</source>
        <translation>Price breakdown</translation>
    </message>
    <message>
        <source>Dvojklikem na políčko s cenou, nebo klávesou Enter, když je políčko vybrané, otevřete „Rozpis ceny“: z jakých položek se cena skládá, jaké volby výpočet udělal a v čem se liší od jiného tarifu, který vyberete v „Porovnat s“. Rozpis nabízí i nabídka pravého tlačítka myši.</source>
        <translation>Double-click a price, or press Enter while its field is selected, to open the “Price breakdown”: the items the price is made of, the choices the calculation made and how it differs from another tariff you pick under “Compare with”. The right-click menu of a price opens it too.</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Tisk</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Tisk vstupních hodnot</source>
        <translation>Print input values</translation>
    </message>
    <message>
        <source>Tisk výsledků</source>
        <translation>Print results</translation>
    </message>
    <message>
        <source>Tisk grafu</source>
        <translation>Print chart</translation>
    </message>
    <message>
        <source>Bílé pozadí</source>
        <translation>White background</translation>
    </message>
    <message>
        <source>Co kdyby</source>
        <translation>What if</translation>
    </message>
    <message>
        <source>Nastavení</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Není nainstalována žádná tiskárna. V okně „Nastavení“ můžete jako tiskárnu zvolit tisk do souboru PDF.</source>
        <translation>No printer is installed. In the “Setup” window you can choose printing to a PDF file as the printer.</translation>
    </message>
    <message>
        <source>Tisk se nepodařilo spustit. Zkontrolujte tiskárnu v okně „Nastavení“.</source>
        <translation>Printing could not be started. Check the printer in the “Setup” window.</translation>
    </message>
    <message>
        <source>Nastavení tisku</source>
        <translation>Print setup</translation>
    </message>
    <message>
        <source>tisk.pdf</source>
        <translation>print.pdf</translation>
    </message>
</context>
<context>
    <name>TRozpis</name>
    <message>
        <source>,</source>
        <comment>decimal mark</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>Položka</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Množství × sazba</source>
        <translation>Quantity × rate</translation>
    </message>
    <message>
        <source>Částka</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Rozpis ceny</source>
        <translation>Price breakdown</translation>
    </message>
    <message>
        <source>bez porovnání</source>
        <translation>no comparison</translation>
    </message>
    <message>
        <source>Porovnat &amp;s:</source>
        <translation>Compare &amp;with:</translation>
    </message>
    <message>
        <source>Položky ceny</source>
        <translation>Price items</translation>
    </message>
    <message>
        <source>Položky ceny porovnávaného tarifu</source>
        <translation>Price items of the compared tariff</translation>
    </message>
    <message>
        <source>&amp;Položky</source>
        <translation>&amp;Items</translation>
    </message>
    <message>
        <source>Druh</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Rozdíly podle druhu položek</source>
        <translation>Differences by kind of item</translation>
    </message>
    <message>
        <source>&amp;Rozdíly podle druhu</source>
        <translation>&amp;Differences by kind</translation>
    </message>
    <message>
        <source>Volba a porovnané možnosti</source>
        <translation>Choice and the options compared</translation>
    </message>
    <message>
        <source>Volby, které výpočet udělal</source>
        <translation>Choices the calculation made</translation>
    </message>
    <message>
        <source>&amp;Volby</source>
        <translation>C&amp;hoices</translation>
    </message>
    <message>
        <source>&amp;Kopírovat</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Zkopíruje položky jako text oddělený tabulátory (Ctrl+C)</source>
        <translation>Copies the items as tab-separated text (Ctrl+C)</translation>
    </message>
    <message>
        <source>&amp;Tisk…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Uložit jako P&amp;DF…</source>
        <translation>Save as PD&amp;F…</translation>
    </message>
    <message>
        <source>&amp;Zavřít</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <source>Rozpis ceny – %1</source>
        <translation>Price breakdown – %1</translation>
    </message>
    <message>
        <source>%1 – nejlevnější</source>
        <translation>%1 – cheapest</translation>
    </message>
    <message>
        <source>Celkem</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>za %1 o %2 více</source>
        <translation>%2 more for %1</translation>
    </message>
    <message>
        <source>za %1 o %2 méně</source>
        <translation>%2 less for %1</translation>
    </message>
    <message>
        <source>S tarifem %1 platíte oproti tarifu %2 stejně.</source>
        <translation>With %1 you pay the same as with %2.</translation>
    </message>
    <message>
        <source>S tarifem %1 platíte oproti tarifu %2 %3.</source>
        <translation>Compared with %2, with %1 you pay %3.</translation>
    </message>
    <message>
        <source>Celkem o %1 více.</source>
        <translation>%1 more in total.</translation>
    </message>
    <message>
        <source>Celkem o %1 méně.</source>
        <translation>%1 less in total.</translation>
    </message>
    <message>
        <source>Rozdíl</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>Cena nezávisí na žádné volbě.</source>
        <translation>The price does not depend on any choice.</translation>
    </message>
    <message>
        <source>(zvoleno)</source>
        <translation>(chosen)</translation>
    </message>
    <message>
        <source>Tarif</source>
        <translation>Tariff</translation>
    </message>
    <message>
        <source>Množství</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Jednotka</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Sazba</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Uložit rozpis ceny jako PDF</source>
        <translation>Save the price breakdown as PDF</translation>
    </message>
    <message>
        <source>rozpis.pdf</source>
        <translation>breakdown.pdf</translation>
    </message>
    <message>
        <source>Cena je mimo rozsah výsledkového pole, pole ukazuje %1. Položky se nerozepisují.</source>
        <translation>The price is beyond the range of the result box, which shows %1. The items are not listed.</translation>
    </message>
    <message>
        <source>Žádná konfigurace tarifu není levnější než %1, pole ukazuje %1. Položky se nerozepisují.</source>
        <translation>No configuration of the tariff is cheaper than %1; the box shows %1. The items are not listed.</translation>
    </message>
    <message>
        <source>Tarif %1 %2: zadaný měsíc s ním pokrýt nelze.</source>
        <translation>The tariff %1 %2: it cannot cover the month entered.</translation>
    </message>
    <message>
        <source>Cena zahrnuje jen služby, které tarif nabízí.</source>
        <translation>The price includes only the services the tariff offers.</translation>
    </message>
    <message>
        <source>Přesně %1</source>
        <translation>Exactly %1</translation>
    </message>
    <message>
        <source>cena %1</source>
        <translation>price %1</translation>
    </message>
    <message>
        <source>* Zaokrouhleno na haléře tak, aby položky dávaly dohromady částku Celkem; přesná částka je v bublině.</source>
        <translation>* Rounded to the haléř so that the items add up to the total; the exact amount is in the tooltip.</translation>
    </message>
    <message>
        <source>Položky dávají dohromady cenu před zaokrouhlením dolů na celé koruny.</source>
        <translation>The items add up to the price before it is rounded down to whole crowns.</translation>
    </message>
    <message>
        <source>Rozpis ceny: %1, %2</source>
        <translation>Price breakdown: %1, %2</translation>
    </message>
</context>
<context>
    <name>Taktualizace</name>
    <message>
        <source>Potvrzení</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Aktualizace programu</source>
        <translation>Program update</translation>
    </message>
    <message>
        <source>Probíhá automatická kontrola aktuálnosti programu</source>
        <translation>Checking automatically for updates</translation>
    </message>
    <message>
        <source>Nelze se připojit k internetu! Má se program pokoušet o připojení i při dalších spuštěních?</source>
        <translation>Cannot connect to the internet! Should the program try to connect at the next starts too?</translation>
    </message>
</context>
<context>
    <name>Tcokdyby</name>
    <message>
        <source>žádný</source>
        <translation>none</translation>
    </message>
    <message>
        <source>žádný tarif</source>
        <translation>no tariff</translation>
    </message>
    <message>
        <source>Co kdyby</source>
        <translation>What if</translation>
    </message>
    <message>
        <source>vše</source>
        <translation>everything</translation>
    </message>
    <message>
        <source>volání</source>
        <translation>calls</translation>
    </message>
    <message>
        <source>zprávy</source>
        <translation>messages</translation>
    </message>
    <message>
        <source>data</source>
        <translation>data</translation>
    </message>
    <message>
        <source>Co se oproti současnému měsíci zvětšuje nebo zmenšuje</source>
        <translation>What grows or shrinks compared with the current month</translation>
    </message>
    <message>
        <source>Největší násobek současného měsíce v grafu</source>
        <translation>The largest multiple of the current month in the chart</translation>
    </message>
    <message>
        <source>Další tarify…</source>
        <translation>More tariffs…</translation>
    </message>
    <message>
        <source>Tarify, které graf ukáže vedle nejlevnějších (nejvýše %1 čar)</source>
        <translation>Tariffs the chart shows besides the cheapest ones (at most %1 lines)</translation>
    </message>
    <message>
        <source>&amp;Měnit:</source>
        <translation>&amp;Vary:</translation>
    </message>
    <message>
        <source>&amp;Až do:</source>
        <translation>&amp;Up to:</translation>
    </message>
    <message>
        <source>Využití v % současného měsíce</source>
        <translation>Use in % of the current month</translation>
    </message>
    <message>
        <source>Cena v Kč za měsíc</source>
        <translation>Price in CZK per month</translation>
    </message>
    <message>
        <source>nyní</source>
        <translation>now</translation>
    </message>
    <message>
        <source>zlomový bod</source>
        <translation>break-even point</translation>
    </message>
    <message>
        <source>Nejlevnější tarif</source>
        <translation>Cheapest tariff</translation>
    </message>
    <message>
        <source>Ceny v celých korunách jako ve výsledcích. Stojí-li několik tarifů stejně málo, jsou nejlevnější všechny.</source>
        <translation>Prices in whole crowns, as in the results. When several tariffs cost equally little, all of them are the cheapest.</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Tady je současný měsíc (100 %)</source>
        <translation>This is the current month (100 %)</translation>
    </message>
    <message>
        <source>Od %1 % je volání víc, než má měsíc minut.</source>
        <translation>From %1 % on, there are more call minutes than the month has.</translation>
    </message>
    <message>
        <source>nepodporuje</source>
        <translation>not supported</translation>
    </message>
    <message>
        <source>  ◄ nejlevnější</source>
        <translation>  ◄ cheapest</translation>
    </message>
    <message>
        <source>Na grafu jsou tarify u %1 z %2 zlomových bodů; všechny změny uvádí seznam.</source>
        <translation>The chart names the tariffs at %1 of %2 break-even points; the list gives every change.</translation>
    </message>
    <message>
        <source>Vlastní tarify</source>
        <translation>Your tariffs</translation>
    </message>
</context>
<context>
    <name>Tform3</name>
    <message>
        <source>Výsledky</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Přesuňte myš nad políčka s čísly.</source>
        <translation>Move the mouse over the boxes with numbers.</translation>
    </message>
    <message>
        <source>Zobrazí se podrobnější informace</source>
        <translation>More details will appear,</translation>
    </message>
    <message>
        <source>např. o datových tarifech nebo </source>
        <translation>e.g. on data packages or </translation>
    </message>
    <message>
        <source>jiných zvýhodněních.</source>
        <translation>other benefits.</translation>
    </message>
    <message>
        <source>Platba inkasem</source>
        <translation>Payment by direct debit</translation>
    </message>
    <message>
        <source>Vypočítat Český Telecom</source>
        <translation>Include Český Telecom</translation>
    </message>
    <message>
        <source>Graf</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Graficky zobrazí ceny jednotlivých tarifů</source>
        <translation>Shows the prices of the tariffs as a chart</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Tisk</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Co kdyby…</source>
        <translation>What if…</translation>
    </message>
    <message>
        <source>Jak se ceny a nejlevnější tarif mění, když budete volat víc nebo méně</source>
        <translation>How the prices and the cheapest tariff change if you call more or less</translation>
    </message>
    <message>
        <source>nejlevnější tarif</source>
        <translation>cheapest tariff</translation>
    </message>
    <message>
        <source>nepodporuje všechny požadované služby</source>
        <translation>does not support every service requested</translation>
    </message>
    <message>
        <source>Rozpis ceny…</source>
        <translation>Price breakdown…</translation>
    </message>
    <message>
        <source>Dvojklik nebo Enter: rozpis ceny</source>
        <translation>Double-click or Enter: price breakdown</translation>
    </message>
    <message>
        <source>Vlastní tarify</source>
        <translation>Your tariffs</translation>
    </message>
    <message>
        <source>Vestavěné tarify se nepočítají (vypnuto v okně Ceníky).</source>
        <translation>The built-in tariffs are not priced (switched off in the Price lists window).</translation>
    </message>
    <message>
        <source>Ceníky…</source>
        <translation>Price lists…</translation>
    </message>
    <message>
        <source>Vlastní tarify: soubory ceníků a nový tarif</source>
        <translation>Your own tariffs: price list files and a new tariff</translation>
    </message>
</context>
<context>
    <name>Tgraf</name>
    <message>
        <source>Graf</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Cena v Kč za měsíc</source>
        <translation>Price in CZK per month</translation>
    </message>
    <message>
        <source>Hodnoty v grafu</source>
        <translation>Values in the chart</translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Co kdyby…</source>
        <translation>What if…</translation>
    </message>
</context>
<context>
    <name>Tgraph_help</name>
    <message>
        <source>Nápověda - graf</source>
        <translation>Help - chart</translation>
    </message>
    <message>
        <source>Zvětšení části grafu:</source>
        <translation>Zooming into a part of the chart:</translation>
    </message>
    <message>
        <source>Najeďte myší do levého horního rohu části, kterou chcete zvětšit, stiskněte levé tlačítko a táhněte doprava dolů. Po uvolnění tlačítka se označená část zvětší.</source>
        <translation>Move the mouse to the top left corner of the part you want to enlarge, press the left button and drag down to the right. When you release the button, the marked part is enlarged.</translation>
    </message>
    <message>
        <source>Vrácení grafu do původního měřítka:</source>
        <translation>Returning the chart to its original scale:</translation>
    </message>
    <message>
        <source>Stiskněte v grafu levé tlačítko myši a táhněte opačným směrem, tedy doleva nahoru.</source>
        <translation>Press the left mouse button in the chart and drag the other way, that is up to the left.</translation>
    </message>
    <message>
        <source>Hodnoty v grafu</source>
        <translation>Values in the chart</translation>
    </message>
    <message>
        <source>Zaškrtnete-li „Hodnoty v grafu“, zobrazí se nad každým sloupcem jeho cena. Ve zvětšeném grafu se hodnoty nezobrazují.</source>
        <translation>When you tick “Values in the chart”, each bar shows its price above it. A zoomed chart shows no values.</translation>
    </message>
</context>
<context>
    <name>Thelp</name>
    <message>
        <source>Nápověda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Zadání minut</source>
        <translation>Entering minutes</translation>
    </message>
    <message>
        <source>Na stránce „Vnitrostátní“ zadejte, kolik minut měsíčně provoláte. Každý řádek tabulky patří jedné síti (Pevná linka, T - Mobile, Eurotel, Oskar), každý sloupec jednomu časovému pásmu (Špička, Odpoledne, Večer, Víkend). Do políčka napište počet minut, které za měsíc provoláte do dané sítě v daném pásmu.</source>
        <translation>On the page “Domestic”, enter how many minutes you call a month. Each row of the table belongs to one network (Fixed line, T - Mobile, Eurotel, Oskar), each column to one time band (Peak, Afternoon, Evening, Weekend). In a box, write the number of minutes you call a month to that network in that band.</translation>
    </message>
    <message>
        <source>Příklad: Voláte-li ve špičce asi 30 minut do sítě Eurotel a o víkendu 10 minut na pevnou linku, napište 30 do řádku Eurotel ve sloupci Špička a 10 do řádku Pevná linka ve sloupci Víkend. Ostatní políčka nechte na nule.</source>
        <translation>Example: If you call about 30 minutes to the Eurotel network at peak times and 10 minutes to a fixed line at the weekend, write 30 in the row Eurotel under Peak and 10 in the row Fixed line under Weekend. Leave the other boxes at zero.</translation>
    </message>
    <message>
        <source>Stejným způsobem zadejte počet SMS a MMS, minuty v hlasové schránce, datové přenosy, minuty WAP a objem dat GPRS v kB.</source>
        <translation>In the same way, enter the number of SMS and MMS, the minutes in the voice mailbox, the data transfers, the WAP minutes and the GPRS data volume in kB.</translation>
    </message>
    <message>
        <source>Celkový počet minut</source>
        <translation>Total minutes</translation>
    </message>
    <message>
        <source>Program provolané minuty sám sčítá a celkový součet ukazuje pod tabulkou. Součet se změní pokaždé, když upravíte některé políčko, nic tedy nemusíte počítat.</source>
        <translation>The program adds up the call minutes itself and shows the total below the table. The total changes whenever you edit a box, so there is nothing for you to add up.</translation>
    </message>
    <message>
        <source>Předdefinované profily</source>
        <translation>Predefined profiles</translation>
    </message>
    <message>
        <source>Pokud nevíte, kolik přesně provoláte, zaškrtněte „Předdefinované profily“. Pak jen vyberte, jak často voláte, do kterých sítí a v kterou denní dobu nejčastěji, a program minuty do jednotlivých sítí a pásem doplní sám. Profily nevyplňují SMS, hlasovou schránku, datové přenosy ani WAP – ty zadejte ručně.</source>
        <translation>If you do not know exactly how much you call, tick “Predefined profiles”. Then just choose how often you call, to which networks and at what time of day mostly, and the program fills in the minutes for each network and band itself. The profiles do not fill in SMS, the voice mailbox, data transfers or WAP – enter those by hand.</translation>
    </message>
    <message>
        <source>Nulování</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Tlačítko „Nulování“ nastaví všechna zadaná čísla na 0. Jsou-li zaškrtnuté předdefinované profily, minuty do sítí zůstanou podle profilu.</source>
        <translation>The button “Reset” sets every number entered to 0. When the predefined profiles are ticked, the minutes to the networks stay as the profile has them.</translation>
    </message>
    <message>
        <source>Jazyk</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Program se spouští česky, je-li systém nastaven na češtinu, jinak anglicky. Jazyk zvolíte při spuštění: „sazbar --lang cs“ pro češtinu, „sazbar --lang en“ pro angličtinu.</source>
        <translation>The program starts in Czech when the system is set to Czech, otherwise in English. Choose the language when starting it: “sazbar --lang cs” for Czech, “sazbar --lang en” for English.</translation>
    </message>
</context>
<context>
    <name>Tinfo</name>
    <message>
        <source>Všechny tři!</source>
        <translation>All three!</translation>
    </message>
    <message>
        <source>Informace</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Verze:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Podmínky použití</source>
        <translation>Terms of use</translation>
    </message>
    <message>
        <source>Program je zdarma. Smíte jej volně používat a šířit, pokud jej neměníte a nežádáte za něj úplatu. Ceny se počítají podle ceníků operátorů platných v době vydání této verze a jsou jen orientační; závazné jsou vždy ceníky operátorů. Nové verze najdete na</source>
        <translation>The program is free. You may use and share it freely as long as you do not change it or ask for payment for it. The prices follow the operators’ price lists valid when this version was released and are a guide only; the operators’ price lists are always binding. New versions are at</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Autor:</source>
        <translation>Author:</translation>
    </message>
    <message>
        <source>napište nám</source>
        <translation>write to us</translation>
    </message>
    <message>
        <source>Porovnává tarify:</source>
        <translation>Compares:</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Tnewversion</name>
    <message>
        <source>Informace o nové verzi</source>
        <translation>New version</translation>
    </message>
    <message>
        <source>Byla nalezena nová verze programu</source>
        <translation>A new version of the program has been found</translation>
    </message>
    <message>
        <source>Změny a nové funkce:</source>
        <translation>Changes and new features:</translation>
    </message>
    <message>
        <source>Pokud si chcete stáhnou novou verzi, klikněte na odkaz dole</source>
        <translation>To download the new version, click the link below</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>z</source>
        <translation>of</translation>
    </message>
</context>
<context>
    <name>Tstartup</name>
    <message>
        <source>Který tarif vás vyjde nejlevněji?</source>
        <translation>Which tariff is the cheapest for you?</translation>
    </message>
    <message>
        <source>Porovnání tarifů mobilních operátorů</source>
        <translation>Mobile tariffs compared</translation>
    </message>
    <message>
        <source>verze %1</source>
        <translation>version %1</translation>
    </message>
</context>
<context>
    <name>Tzahr_help</name>
    <message>
        <source>Nápověda - volání do zahraničí</source>
        <translation>Help - calls abroad</translation>
    </message>
    <message>
        <source>Volání do zahraničí</source>
        <translation>Calls abroad</translation>
    </message>
    <message>
        <source>Hovory do zahraničí zadáte na stránce „Mezinárodní“. Zadat můžete až čtyři země. V každém řádku nejprve vyberte ze seznamu zemi a potom napište, kolik minut do ní měsíčně provoláte ve špičce, odpoledne a večer nebo o víkendu (večer a víkend se zadávají dohromady).</source>
        <translation>Calls abroad are entered on the page “International”. You can enter up to four countries. In each row, first choose the country from the list, then write how many minutes a month you call it at peak times, in the afternoon, and in the evening or at the weekend (evening and weekend are entered together).</translation>
    </message>
    <message>
        <source>Příklad: Voláte-li do Německa 20 minut ve špičce a 40 minut o víkendu, vyberte v prvním řádku zemi Německo, do sloupce Špička napište 20 a do sloupce Večer + víkend 40.</source>
        <translation>Example: If you call Germany for 20 minutes at peak times and 40 minutes at the weekend, choose the country Germany in the first row, write 20 in the column Peak and 40 in the column Evening + weekend.</translation>
    </message>
    <message>
        <source>Volání přes internet</source>
        <translation>Calls over the internet</translation>
    </message>
    <message>
        <source>Zaškrtnete-li „Volání přes internet“, spočítají se hovory do zahraničí u tarifů T-Mobile a Eurotel podle nižších sazeb volání přes internet (T-Mobile Internet Call, Eurotel NetCall 55). Na tarify Oskar a na pevnou linku tato volba vliv nemá.</source>
        <translation>When you tick “Calls over the internet”, calls abroad with the T-Mobile and Eurotel tariffs are priced at the lower rates for calls over the internet (T-Mobile Internet Call, Eurotel NetCall 55). The choice has no effect on the Oskar tariffs or the fixed line.</translation>
    </message>
</context>
<context>
    <name>sazbar::HelpWindow</name>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>sazbar::Links</name>
    <message>
        <source>Nepodařilo se spustit poštovní program. Napište prosím na adresu:

</source>
        <translation>The mail program could not be started. Please write to:

</translation>
    </message>
    <message>
        <source>Nepodařilo se spustit webový prohlížeč. Otevřete prosím v prohlížeči adresu:

</source>
        <translation>The web browser could not be started. Please open this address in your browser:

</translation>
    </message>
</context>
<context>
    <name>sazbar::ui::CatalogueWindow</name>
    <message>
        <source>bez omezení</source>
        <translation>open-ended</translation>
    </message>
    <message>
        <source>do %1</source>
        <translation>until %1</translation>
    </message>
    <message>
        <source>od %1</source>
        <translation>from %1</translation>
    </message>
    <message>
        <source>Ceníky</source>
        <translation>Price lists</translation>
    </message>
    <message>
        <source>Platné k datu</source>
        <translation>Valid on the date</translation>
    </message>
    <message>
        <source>&amp;Platné k:</source>
        <translation>&amp;Valid on:</translation>
    </message>
    <message>
        <source>&amp;Vynechat vestavěné tarify z roku 2003</source>
        <translation>&amp;Leave out the built-in 2003 tariffs</translation>
    </message>
    <message>
        <source>Soubory tarifů a jejich tarify</source>
        <translation>Tariff files and their tariffs</translation>
    </message>
    <message>
        <source>Soubor / tarif</source>
        <translation>File / tariff</translation>
    </message>
    <message>
        <source>Operátor</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Revize</source>
        <translation>Revision</translation>
    </message>
    <message>
        <source>Platnost</source>
        <translation>Validity</translation>
    </message>
    <message>
        <source>Zdroj</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Podrobnosti o vybraném souboru nebo tarifu</source>
        <translation>Details of the selected file or tariff</translation>
    </message>
    <message>
        <source>Přid&amp;at soubor…</source>
        <translation>&amp;Add file…</translation>
    </message>
    <message>
        <source>&amp;Odebrat</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>Otevřít &amp;složku</source>
        <translation>Open &amp;folder</translation>
    </message>
    <message>
        <source>&amp;Nový tarif…</source>
        <translation>&amp;New tariff…</translation>
    </message>
    <message>
        <source>&amp;Upravit…</source>
        <translation>&amp;Edit…</translation>
    </message>
    <message>
        <source>&amp;Zavřít</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>z příkazové řádky</source>
        <translation>from the command line</translation>
    </message>
    <message>
        <source>systémová složka</source>
        <translation>system folder</translation>
    </message>
    <message>
        <source>vaše složka</source>
        <translation>your folder</translation>
    </message>
    <message>
        <source>chyby: %1, nepočítá se</source>
        <translation>errors: %1, not priced</translation>
    </message>
    <message>
        <source>v pořádku</source>
        <translation>valid</translation>
    </message>
    <message>
        <source>varování: %1</source>
        <translation>warnings: %1</translation>
    </message>
    <message>
        <source>%1 (neplatí k datu)</source>
        <translation>%1 (not valid on the date)</translation>
    </message>
    <message>
        <source>Žádný soubor tarifů není načten. Vlastní tarify přidáte tlačítkem „Přidat soubor…“ nebo „Nový tarif…“; ukládají se do složky %1.</source>
        <translation>No tariff file is loaded. Add your own tariffs with “Add file…” or “New tariff…”; they are kept in the folder %1.</translation>
    </message>
    <message>
        <source>Načítají se soubory tarifů…</source>
        <translation>Loading the tariff files…</translation>
    </message>
    <message>
        <source>Počítá se %1 tarifů platných k %2; neplatných k tomuto datu: %3.</source>
        <translation>Priced: %1 tariffs valid on %2; not valid on that date: %3.</translation>
    </message>
    <message>
        <source>identifikátor %1, revize %2, platnost %3</source>
        <translation>id %1, revision %2, valid %3</translation>
    </message>
    <message>
        <source>získáno %1</source>
        <translation>retrieved %1</translation>
    </message>
    <message>
        <source>Zdroj: %1</source>
        <translation>Source: %1</translation>
    </message>
    <message>
        <source>Zdroj neuveden.</source>
        <translation>No source given.</translation>
    </message>
    <message>
        <source>Soubor je v pořádku.</source>
        <translation>The file is valid.</translation>
    </message>
    <message>
        <source>Soubor má chyby, a proto se z něj nepočítá žádný tarif:</source>
        <translation>The file has errors, so none of its tariffs is priced:</translation>
    </message>
    <message>
        <source>Soubor se počítá, ale má varování:</source>
        <translation>The file is priced, but has warnings:</translation>
    </message>
    <message>
        <source>Soubor nelze otevřít: %1</source>
        <translation>The file cannot be opened: %1</translation>
    </message>
    <message>
        <source>Soubor %1 nelze uložit: %2</source>
        <translation>The file %1 cannot be saved: %2</translation>
    </message>
    <message>
        <source>Přidat soubor tarifů</source>
        <translation>Add a tariff file</translation>
    </message>
    <message>
        <source>Soubory tarifů (*.json);;Všechny soubory (*)</source>
        <translation>Tariff files (*.json);;All files (*)</translation>
    </message>
    <message>
        <source>Soubor %1 nelze přidat, protože má chyby:</source>
        <translation>The file %1 cannot be added, since it has errors:</translation>
    </message>
    <message>
        <source>
… a dalších %1</source>
        <translation>
… and %1 more</translation>
    </message>
    <message>
        <source>Odebrat soubor tarifů</source>
        <translation>Remove a tariff file</translation>
    </message>
    <message>
        <source>Odebrat soubor %1 ze složky tarifů? Soubor bude smazán.</source>
        <translation>Remove the file %1 from the tariff folder? The file will be deleted.</translation>
    </message>
    <message>
        <source>Soubor %1 nelze smazat.</source>
        <translation>The file %1 cannot be deleted.</translation>
    </message>
</context>
<context>
    <name>sazbar::ui::TariffEditor</name>
    <message>
        <source>,</source>
        <comment>decimal mark</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>Nový tarif</source>
        <translation>New tariff</translation>
    </message>
    <message>
        <source>&amp;Tarif</source>
        <translation>&amp;Tariff</translation>
    </message>
    <message>
        <source>&amp;Sazby</source>
        <translation>&amp;Rates</translation>
    </message>
    <message>
        <source>&amp;Volné minuty</source>
        <translation>&amp;Free minutes</translation>
    </message>
    <message>
        <source>Do &amp;zahraničí</source>
        <translation>A&amp;broad</translation>
    </message>
    <message>
        <source>&amp;Rozpis ceny…</source>
        <translation>Price &amp;breakdown…</translation>
    </message>
    <message>
        <source>&amp;Uložit</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Zavřít</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <source>Název tarifu</source>
        <translation>Tariff name</translation>
    </message>
    <message>
        <source>Operátor</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Identifikátor tarifu</source>
        <translation>Tariff id</translation>
    </message>
    <message>
        <source>Jméno tarifu v souborech a na příkazové řádce: písmena bez diakritiky, číslice, „_“, „-“, „.“</source>
        <translation>The tariff&apos;s name in files and on the command line: letters without accents, digits, “_”, “-”, “.”</translation>
    </message>
    <message>
        <source>Revize ceníku</source>
        <translation>Price list revision</translation>
    </message>
    <message>
        <source>Platí od</source>
        <translation>Valid from</translation>
    </message>
    <message>
        <source>Platí do</source>
        <translation>Valid to</translation>
    </message>
    <message>
        <source>RRRR-MM-DD, prázdné: bez omezení</source>
        <translation>YYYY-MM-DD, empty: open-ended</translation>
    </message>
    <message>
        <source>Měsíční paušál v Kč</source>
        <translation>Monthly fee in CZK</translation>
    </message>
    <message>
        <source>Barva v grafu</source>
        <translation>Colour in the chart</translation>
    </message>
    <message>
        <source>#rrggbb, nepovinné</source>
        <translation>#rrggbb, optional</translation>
    </message>
    <message>
        <source>Zdroj: název ceníku</source>
        <translation>Source: title of the price list</translation>
    </message>
    <message>
        <source>Zdroj: adresa na webu</source>
        <translation>Source: web address</translation>
    </message>
    <message>
        <source>Zdroj: dokument</source>
        <translation>Source: document</translation>
    </message>
    <message>
        <source>Zdroj: získáno dne</source>
        <translation>Source: retrieved on</translation>
    </message>
    <message>
        <source>RRRR-MM-DD</source>
        <translation>YYYY-MM-DD</translation>
    </message>
    <message>
        <source>&amp;Název:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Operátor:</source>
        <translation>&amp;Operator:</translation>
    </message>
    <message>
        <source>&amp;Identifikátor:</source>
        <translation>&amp;Id:</translation>
    </message>
    <message>
        <source>Re&amp;vize:</source>
        <translation>Re&amp;vision:</translation>
    </message>
    <message>
        <source>Platí o&amp;d:</source>
        <translation>Valid &amp;from:</translation>
    </message>
    <message>
        <source>Platí d&amp;o:</source>
        <translation>Valid &amp;to:</translation>
    </message>
    <message>
        <source>Měsíční &amp;paušál (Kč):</source>
        <translation>Monthly &amp;fee (CZK):</translation>
    </message>
    <message>
        <source>&amp;Barva:</source>
        <translation>&amp;Colour:</translation>
    </message>
    <message>
        <source>Zdroj – &amp;ceník:</source>
        <translation>Source – &amp;price list:</translation>
    </message>
    <message>
        <source>Zdroj – &amp;adresa:</source>
        <translation>Source – &amp;address:</translation>
    </message>
    <message>
        <source>Zdroj – do&amp;kument:</source>
        <translation>Source – &amp;document:</translation>
    </message>
    <message>
        <source>Zdroj – &amp;získáno:</source>
        <translation>Source – r&amp;etrieved:</translation>
    </message>
    <message>
        <source>Volné minuty za měsíc</source>
        <translation>Free minutes a month</translation>
    </message>
    <message>
        <source>prázdné: žádné</source>
        <translation>empty: none</translation>
    </message>
    <message>
        <source>&amp;Volné minuty za měsíc:</source>
        <translation>&amp;Free minutes a month:</translation>
    </message>
    <message>
        <source>Pokrývají</source>
        <translation>They cover</translation>
    </message>
    <message>
        <source>Co volné minuty pokrývají</source>
        <translation>What the free minutes cover</translation>
    </message>
    <message>
        <source>volání na pevnou linku</source>
        <translation>calls to fixed lines</translation>
    </message>
    <message>
        <source>volání do sítě T-Mobile</source>
        <translation>calls to T-Mobile</translation>
    </message>
    <message>
        <source>volání do sítě Eurotel</source>
        <translation>calls to Eurotel</translation>
    </message>
    <message>
        <source>volání do sítě Oskar</source>
        <translation>calls to Oskar</translation>
    </message>
    <message>
        <source>hlasovou schránku</source>
        <translation>the voice mailbox</translation>
    </message>
    <message>
        <source>datové přenosy</source>
        <translation>data transfers</translation>
    </message>
    <message>
        <source>WAP</source>
        <translation>WAP</translation>
    </message>
    <message>
        <source>volání do zahraničí</source>
        <translation>calls abroad</translation>
    </message>
    <message>
        <source>V časových pásmech</source>
        <translation>In the time bands</translation>
    </message>
    <message>
        <source>Časová pásma, ve kterých volné minuty platí</source>
        <translation>Time bands in which the free minutes apply</translation>
    </message>
    <message>
        <source>Špička</source>
        <translation>Peak</translation>
    </message>
    <message>
        <source>Odpoledne</source>
        <translation>Afternoon</translation>
    </message>
    <message>
        <source>Večer</source>
        <translation>Evening</translation>
    </message>
    <message>
        <source>Víkend</source>
        <translation>Weekend</translation>
    </message>
    <message>
        <source>Jak se volné minuty čerpají</source>
        <translation>How the free minutes are used</translation>
    </message>
    <message>
        <source>poměrně ze všeho, co pokrývají</source>
        <translation>in proportion over all they cover</translation>
    </message>
    <message>
        <source>nejdražší volání napřed</source>
        <translation>dearest calls first</translation>
    </message>
    <message>
        <source>v pořadí výše</source>
        <translation>in the order above</translation>
    </message>
    <message>
        <source>Č&amp;erpají se:</source>
        <translation>&amp;Used:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, všechna pásma</source>
        <translation>%1, all bands</translation>
    </message>
    <message>
        <source>Kč za minutu; prázdné pole: tarif službu nenabízí. Bez rozlišení pásem platí první sloupec pro všechna.</source>
        <translation>CZK a minute; an empty box: the tariff does not offer the service. Without bands the first column stands for all.</translation>
    </message>
    <message>
        <source>Pevná linka</source>
        <translation>Fixed line</translation>
    </message>
    <message>
        <source>T-Mobile</source>
        <translation>T-Mobile</translation>
    </message>
    <message>
        <source>Eurotel</source>
        <translation>Eurotel</translation>
    </message>
    <message>
        <source>Oskar</source>
        <translation>Oskar</translation>
    </message>
    <message>
        <source>Hlasová schránka</source>
        <translation>Voice mailbox</translation>
    </message>
    <message>
        <source>Datové přenosy</source>
        <translation>Data transfers</translation>
    </message>
    <message>
        <source>podle pásem</source>
        <translation>by band</translation>
    </message>
    <message>
        <source>Kč za zprávu</source>
        <translation>CZK a message</translation>
    </message>
    <message>
        <source>SMS</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>podle sítí</source>
        <translation>by network</translation>
    </message>
    <message>
        <source>MMS</source>
        <translation>MMS</translation>
    </message>
    <message>
        <source>Kč za kB</source>
        <translation>CZK a kB</translation>
    </message>
    <message>
        <source>GPRS WAP</source>
        <translation>GPRS WAP</translation>
    </message>
    <message>
        <source>GPRS internet</source>
        <translation>GPRS internet</translation>
    </message>
    <message>
        <source>Rozdělení zemí do pásem</source>
        <translation>Zones of countries</translation>
    </message>
    <message>
        <source>(tarif do zahraničí nevolá)</source>
        <translation>(the tariff has no calls abroad)</translation>
    </message>
    <message>
        <source>T-Mobile, volání přes internet</source>
        <translation>T-Mobile, calls over the internet</translation>
    </message>
    <message>
        <source>Twist Home, volání přes internet</source>
        <translation>Twist Home, calls over the internet</translation>
    </message>
    <message>
        <source>Eurotel NetCall</source>
        <translation>Eurotel NetCall</translation>
    </message>
    <message>
        <source>Eurotel GO</source>
        <translation>Eurotel GO</translation>
    </message>
    <message>
        <source>&amp;Rozdělení zemí do pásem jako:</source>
        <translation>&amp;Zones of countries as:</translation>
    </message>
    <message>
        <source>Večer a víkend</source>
        <translation>Evening and weekend</translation>
    </message>
    <message>
        <source>Pásmo %1</source>
        <translation>Zone %1</translation>
    </message>
    <message>
        <source>Tarif – %1</source>
        <translation>Tariff – %1</translation>
    </message>
    <message>
        <source>Soubor nelze přečíst jako celek, a tak ho formulář neukazuje; jeho chyby jsou vypsány níže.</source>
        <translation>The file cannot be read as a whole, so the form does not show it; its errors are listed below.</translation>
    </message>
    <message>
        <source>Soubor obsahuje %1 tarifů; formulář ukazuje jen první, a proto soubor jen čte, aby se nic z něj neztratilo.</source>
        <translation>The file holds %1 tariffs; the form shows only the first, so it opens the file read-only and nothing in it is lost.</translation>
    </message>
    <message>
        <source>Tarif obsahuje údaje, které formulář neumí ukázat (%1); formulář ho proto jen čte, aby se nic z něj neztratilo.</source>
        <translation>The tariff holds what the form cannot show (%1); the form therefore opens it read-only and nothing in it is lost.</translation>
    </message>
    <message>
        <source>Soubor není ve vaší složce tarifů; formulář ho jen čte.</source>
        <translation>The file is not in your tariff folder; the form opens it read-only.</translation>
    </message>
    <message>
        <source>Varování: %1</source>
        <translation>Warning: %1</translation>
    </message>
    <message>
        <source>Cena za zadaný měsíc: %1 Kč</source>
        <translation>Price of the month entered: CZK %1</translation>
    </message>
    <message>
        <source>Cena za zadaný měsíc: – (tarif má chyby)</source>
        <translation>Price of the month entered: – (the tariff has errors)</translation>
    </message>
    <message>
        <source>Chyb: %1. Opravte označená pole; „Uložit“ je k dispozici, až bude tarif v pořádku.</source>
        <translation>Errors: %1. Correct the marked fields; “Save” is offered once the tariff is valid.</translation>
    </message>
    <message>
        <source>Tarif je v pořádku, varování: %1.</source>
        <translation>The tariff is valid; warnings: %1.</translation>
    </message>
    <message>
        <source>Tarif je v pořádku.</source>
        <translation>The tariff is valid.</translation>
    </message>
    <message>
        <source>Uložit tarif</source>
        <translation>Save tariff</translation>
    </message>
    <message>
        <source>Soubor %1 nelze uložit: %2</source>
        <translation>The file %1 cannot be saved: %2</translation>
    </message>
</context>
</TS>
