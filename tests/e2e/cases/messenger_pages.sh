# The messenger pages: the simplified search among running programs (a stand-in messenger runs
# for it), the manual choice through the shell's folder browser, and the install-mode page, up
# to the skins list of QIP 2005. The sample pack's texts are in code page 1251.

SIMPLIFIED_SEARCH=1040
MANUAL_CHOICE=1041
NOTE_BOX=edit@105,202

scenario "simplified search: none running warns; the copy started then is found, its modes and skins" <<'END'
locale ru_RU.UTF-8
program
folder "QIP 2005/Skins/Mine/Smilies"
start
walk search-method
next "$SIMPLE_SEARCH"
click $NEXT_BUTTON
box ok owner=myWindow icon-kind=warning 'text~Не найдено'
page "$SEARCH_METHOD"
expect $SIMPLIFIED_SEARCH checked yes
standin qip "QIP 2005"
next "$SIMPLE_SEARCH"
click $NEXT_BUTTON
box ok owner=none icon-kind=information 'text~\QIP 2005"'
page "$INSTALL_MODE"
expect $NOTE_BOX visible yes
expect 1044 checked yes
key Down
expect 1045 checked yes
key Up
expect 1044 checked yes
next "$INSTALL_SKINS_CAPTION"
expect $SKINS_LIST list Mine
quit
END

# Space presses the ticked choice, which has the focus: the manual choice stays. (Windows may
# tick a radio button that merely gets the focus; Wine does not, so the key shows the focus.)
scenario "manual choice: the folder browser from Back and Next, a wrong folder, one deep inside" <<'END'
locale ru_RU.UTF-8
program
folder QIP/Skins/Default/Smilies nothing/here
standin qip QIP
start
walk search-method
click $MANUAL_CHOICE
expect $MANUAL_CHOICE checked yes
click $BACK_BUTTON
browse cancel
page "$SEARCH_METHOD"
key space
expect $SIMPLIFIED_SEARCH checked no
expect $MANUAL_CHOICE checked yes
click $NEXT_BUTTON
browse nothing/here
box ok owner=myWindow icon-kind=warning 'text~не обнаружен'
click $NEXT_BUTTON
browse QIP/Skins/Default/Smilies
box ok owner=none 'text~\QIP"'
page "$INSTALL_MODE"
next "$INSTALL_SKINS_CAPTION"
expect $SKINS_LIST list Default
quit
END
