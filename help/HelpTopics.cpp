#include "help/HelpTopics.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/Utf8Text.h"

namespace rytmalo {
namespace {

// The texts as they are kept: in UTF-8, half the room of wide strings.
struct StoredTopic {
    int context;
    std::u8string_view title;
    std::u8string_view text;
};

constexpr StoredTopic kStoredTopics[] = {
    {kContentsTopic, u8"Rytmalo 95 : calculatrice Tempo/Délai",
     u8"Rytmalo 95 traduit un tempo en durées de notes, en millisecondes : les valeurs à "
     u8"régler sur un écho, une pédale de délai ou un plug-in de retard pour que les "
     u8"répétitions tombent en rythme.\r\n\r\n"
     u8"1. Tapez le tempo du morceau (de 10 à 250 battements par minute) dans la case "
     u8"Tempo et validez avec Entrée.\r\n"
     u8"2. Choisissez l'unité de temps, la figure de note qui vaut un battement : la "
     u8"noire dans la plupart des morceaux.\r\n"
     u8"3. Lisez dans le panneau noir la durée de dix figures, de la ronde à la "
     u8"quadruple croche, triolets compris.\r\n\r\n"
     u8"Exemple : à 120 avec l'unité noire, la noire dure 500 ms et la croche 250 ms. "
     u8"Un délai de 250 ms répète chaque note une croche plus tard. Pour un délai "
     u8"pointé, ajoutez la moitié de la valeur : croche pointée = 250 + 125 = 375 ms. "
     u8"Les valeurs sont tronquées à la milliseconde.\r\n\r\n"
     u8"Ctrl+Maj+C copie les dix valeurs, chacune avec son nom, sous une ligne qui nomme "
     u8"leur tempo.\r\n\r\n"
     u8"Pour aller plus loin, la commande Tableau détaillé du menu Options agrandit la "
     u8"fenêtre. À droite : le bouton Taper, ×2 et ÷2, le tempo exact avec ses décimales et "
     u8"la recherche du tempo d'un délai donné en millisecondes, en hertz ou en "
     u8"échantillons. En dessous, cinq pages : Valeurs (toutes les figures, pointées et "
     u8"irrégulières, en ms, en Hz et en échantillons), Mesures (la durée des mesures dans "
     u8"n'importe quelle métrique), Mixage (réverbération et compresseur en rythme), "
     u8"Image (images par temps et clic de film) et Boucles (le tempo d'une boucle, un "
     u8"changement de tempo, le swing et les LFO).\r\n\r\n"
     u8"Sur chaque commande, la touche F1 affiche l'aide qui la concerne."},
    {kTempoHelp, u8"Tempo",
     u8"Tapez ici le tempo, en battements par minute (BPM), puis appuyez sur Entrée : "
     u8"les dix durées sont calculées aussitôt. Les tempos de 10 à 250 sont acceptés ; "
     u8"en dehors de cette plage, un avertissement s'affiche et la case est vidée.\r\n\r\n"
     u8"Échap vide la case sans toucher aux valeurs affichées. Le tempo se lit sur le "
     u8"métronome ou le séquenceur ; pour un morceau enregistré, comptez les temps "
     u8"pendant 15 secondes et multipliez par 4."},
    {kPreferencesHelp, u8"Préferences",
     u8"Les réglages de l'affichage de Rytmalo 95. Cochez ou décochez l'option, puis "
     u8"cliquez sur OK pour l'appliquer et l'enregistrer. Annuler, ou la touche Échap, "
     u8"ferme la boîte sans rien enregistrer."},
    {kStayOnTopHelp, u8"Fenêtre persistente",
     u8"Cochée, la fenêtre de Rytmalo 95 reste au-dessus de toutes les autres fenêtres, "
     u8"même quand vous travaillez dans un autre programme : les durées restent sous vos "
     u8"yeux pendant que vous réglez vos effets dans le séquenceur. Le choix s'applique "
     u8"dès que vous cliquez sur OK et reste en vigueur aux démarrages suivants."},
    {kBeatUnitHelp, u8"Unité de temps",
     u8"Indique quelle figure de note vaut un battement du tempo : la blanche (x/2, "
     u8"mesures à 2/2), la noire (x/4, le cas le plus courant : 4/4, 3/4), la croche "
     u8"(x/8, mesures à 6/8 ou 12/8 battues à la croche) ou la double-croche (x/16).\r\n\r\n"
     u8"Changer d'unité recalcule aussitôt les durées à partir du tempo de la case, sans "
     u8"nouvelle validation. Exemple : à 120, la noire dure 500 ms avec l'unité noire, "
     u8"mais 1000 ms avec l'unité croche, puisque c'est alors la croche qui dure 500 ms."},
    {kTapHelp, u8"Taper le tempo",
     u8"Cliquez sur Taper, ou appuyez sur la barre d'espace quand le bouton a le focus, "
     u8"au rythme du morceau. Dès le deuxième temps, le tempo s'affiche au dixième près, "
     u8"avec le nombre de temps tapés et, à partir du troisième, sa marge d'erreur : "
     u8"« Tempo tapé : 95,4 (8 temps, ± 0,3) ». Il est ajusté sur les seize derniers temps "
     u8"(moindres carrés) : chacun compte, pas seulement le premier et le dernier, et la "
     u8"marge se resserre à mesure que vous tapez. Entre 10 et 250, il est calculé aussitôt "
     u8"(au dixième dans la case Tempo exact, arrondi dans la case Tempo) ; en dehors, il "
     u8"est seulement affiché.\r\n\r\n"
     u8"Un temps oublié ne fausse rien (un écart de plus d'un temps trois quarts compte les "
     u8"temps manqués), un rebond est ignoré, et un premier temps frappé trop tôt ou trop "
     u8"tard est écarté dès que les suivants s'accordent, même parmi les premiers temps. "
     u8"Avant que trois temps aient fixé la cadence, une pause jusqu'à 6,5 secondes "
     u8"continue la série, si bien qu'on peut taper même à 10 BPM ; ensuite, une pause de "
     u8"plus de deux temps et demi, et d'au moins 2 secondes, recommence. Échap ou Retour "
     u8"arrière sur le bouton recommence aussi."},
    {kDelayHelp, u8"Délai",
     u8"Tapez un délai, choisissez son unité dans la liste voisine, puis appuyez sur "
     u8"Entrée : la liste du dessous donne, pour chaque valeur de la page Valeurs, le tempo "
     u8"auquel elle dure exactement ce délai. Décimales permises : 375 ou 187,5 ms, "
     u8"2,67 Hz. En dessous, la valeur qui s'en approche le plus au tempo actuel, et de "
     u8"combien : « Au tempo 120, le plus proche : Croche pointée, +1,25 % » veut dire que "
     u8"le délai dure 1,25 % de plus qu'une croche pointée.\r\n\r\n"
     u8"Sur la page Image, la case prend aussi un clic de film, écrit avec son tiret, en "
     u8"images et huitièmes d'image par temps : 12-2 (12 images et 2/8, ou 12-0 pour 12 "
     u8"images) donne le tempo de ce clic à chaque cadence d'images ; un nombre seul reste "
     u8"un délai dans l'unité choisie. Les lignes suivent l'unité et la page affichées : "
     u8"un clic ne vaut que sur la page Image. Un délai qui n'est pas un nombre positif (ni, "
     u8"sur la page Image, un clic) affiche un avertissement."},
    {kTemposHelp, u8"Tempos du délai",
     u8"Chaque ligne donne une valeur de note et le tempo, au dixième près, auquel elle "
     u8"dure le délai tapé, avec l'unité de temps choisie ; seuls les tempos de 10 à 250 "
     u8"y figurent. Pour 375 ms à la noire : « Croche pointée : 120,0 », « Noire : 160,0 ». "
     u8"Pour un clic de film, chaque ligne donne le tempo du clic à une cadence "
     u8"(« 12-2 à 24 images/s : 117,55 »).\r\n\r\n"
     u8"Double-cliquez sur une ligne, ou choisissez-la et appuyez sur Entrée : son tempo "
     u8"devient le tempo exact de toutes les pages, et la case Tempo reçoit le tempo "
     u8"entier le plus proche."},
    {kTableHelp, u8"Page Valeurs",
     u8"Chaque valeur de note suivie de la même valeur pointée et, de la ronde à la "
     u8"double croche, de son triolet, au tempo exact et à "
     u8"l'unité de temps choisie : la durée en millisecondes au centième, la fréquence en "
     u8"hertz (pour caler un LFO ou un trémolo ; au centième, et sous 1 Hz avec trois "
     u8"chiffres significatifs : 0,0278 Hz) et la longueur en échantillons aux deux "
     u8"fréquences choisies (pour un échantillonneur). Les chiffres sont calculés sur le "
     u8"tempo exact, sans passer par une valeur arrondie.\r\n\r\n"
     u8"Sur chaque page, Ctrl+C copie les lignes choisies, ou toute la liste si aucune ne "
     u8"l'est (Ctrl+A les choisit toutes), prêtes à coller dans un tableur : une ligne qui "
     u8"nomme le tempo (« Tempo 120 à la noire », et la mesure quand les chiffres en "
     u8"dépendent), les titres, puis les chiffres séparés "
     u8"par des tabulations, sans espace entre les milliers. Le clic droit, Maj+F10 ou la "
     u8"touche Menu offre Copier. Le clic droit sur une des dix valeurs du panneau noir "
     u8"copie son chiffre, et Ctrl+Maj+C les copie toutes les dix."},
    {kStepHelp, u8"×2 et ÷2",
     u8"×2 double le tempo exact, ÷2 le divise par deux, et toutes les pages sont "
     u8"recalculées aussitôt, la case Tempo recevant le tempo arrondi. Pratique quand le "
     u8"tempo tapé ou lu est celui du demi-temps ou du double-temps : ×2 fait de 58 un 116, "
     u8"÷2 fait de 117,55 un 58,78 (au centième). Chaque bouton est grisé quand le résultat "
     u8"sortirait de la plage de 10 à 250. ÷2 puis ×2 rendent exactement le tempo de "
     u8"départ, aussi souvent qu'on les enchaîne."},
    {kExactTempoHelp, u8"Tempo exact",
     u8"Le tempo des pages, avec ses décimales. Tapez par exemple 117,55 (ou 117.55), de 10 "
     u8"à 250, puis appuyez sur Entrée : toutes les pages sont calculées sur ce tempo. Un "
     u8"tempo tapé au bouton Taper, choisi dans la liste des tempos d'un délai ou donné "
     u8"par un clic de film garde ici ses décimales, tandis que la case Tempo et les dix "
     u8"valeurs du panneau noir reçoivent le tempo entier le plus proche (118 pour "
     u8"117,55). Un tempo validé dans la case Tempo s'inscrit ici tel quel. Échap remet "
     u8"dans la case le tempo en cours.\r\n\r\n"
     u8"Un texte qui n'est pas un tempo de 10 à 250 affiche un avertissement et ne change "
     u8"rien."},
    {kDelayUnitHelp, u8"Unité du délai",
     u8"L'unité dans laquelle vous tapez le délai : millisecondes (375), hertz, la cadence "
     u8"des répétitions ou d'un LFO (2 Hz = 500 ms), ou échantillons à l'une des deux "
     u8"fréquences choisies pour les colonnes d'échantillons des pages (44,1 et 48 kHz au "
     u8"départ), la longueur lue dans un éditeur audio (16538 échantillons à 44,1 kHz font "
     u8"375 ms), arrondie à l'échantillon.\r\n\r\n"
     u8"Changer d'unité relit aussitôt le délai de la case dans la nouvelle unité. Le choix "
     u8"est gardé pour le prochain démarrage."},
    {kPagesHelp, u8"Pages du tableau détaillé",
     u8"Valeurs (les durées de toutes les notes), Mesures (temps et mesures), Mixage "
     u8"(réverbération et compresseur), Image (images par temps et clic de film) et "
     u8"Boucles (boucles, changements de tempo, swing et LFO). "
     u8"Cliquez sur un onglet, ou passez d'une page à l'autre avec Ctrl+Tab et "
     u8"Ctrl+Maj+Tab, avec Alt+V, Alt+M, Alt+I, Alt+G et Alt+B, ou avec les flèches quand la "
     u8"touche Tab a atteint les onglets.\r\n\r\n"
     u8"La ligne au-dessus des onglets dit pour quel tempo et quelle unité les chiffres "
     u8"sont calculés (« Tempo 117,55 à la noire ») et, quand ce tempo a des décimales, "
     u8"celui des dix valeurs du panneau noir (« les dix délais du haut sont ceux du tempo "
     u8"118 ») ; pour un tempo hors de 10 à 250, elle "
     u8"le signale et les pages restent vides. La page affichée est retrouvée au prochain "
     u8"démarrage."},
    {kDivisionsHelp, u8"Toutes les divisions",
     u8"Cochée, la page Valeurs ajoute aux valeurs simples, pointées et aux triolets "
     u8"les valeurs doublement pointées (7/4 de la valeur, de la ronde à la double "
     u8"croche), les "
     u8"quintolets (cinq pour quatre, 4/5 de la valeur) et les septolets (sept pour "
     u8"quatre, 4/7), de la blanche à la triple croche. La liste des tempos d'un délai "
     u8"suit le même choix.\r\n\r\n"
     u8"Exemple : à 120 à la noire, la noire doublement pointée dure 875 ms et le "
     u8"quintolet de doubles croches 100 ms. Le choix est gardé pour le prochain "
     u8"démarrage."},
    {kSampleRatesHelp, u8"Fréquences d'échantillonnage",
     u8"La fréquence de chacune des deux colonnes d'échantillons : 44,1, 48, 88,2, 96, "
     u8"176,4 ou 192 kHz, celle de votre projet ou de votre échantillonneur (44,1 et 48 kHz "
     u8"au départ). Le choix vaut pour les pages Valeurs et Mesures, se retrouve dans les "
     u8"titres copiés (« Échantillons à 96 kHz ») et est gardé pour le prochain "
     u8"démarrage. Exemple : à 120 à la noire, une noire dure 24000 échantillons à "
     u8"48 kHz et 48000 à 96 kHz."},
    {kBarsHelp, u8"Page Mesures",
     u8"Choisissez la mesure : le nombre d'unités (1 à 32) sur l'unité de la mesure (1 pour "
     u8"la ronde, 2 la blanche, 4 la noire, 8 la croche, 16 la double croche, 32 la triple "
     u8"croche). La page donne la durée du temps, la valeur choisie comme unité de temps "
     u8"dans la fenêtre, sur toutes les pages (« Temps (noire) ») ; celle de l'unité de la "
     u8"mesure quand c'est une autre valeur (« Unité de la mesure (croche) ») ; celle de la "
     u8"pulsation pointée dans les mesures composées (6/8, 9/8, 12/8…) ; puis celle de 1, 2, "
     u8"4, 8, 16 et 32 mesures : en millisecondes, en minutes:secondes.millisecondes et en "
     u8"échantillons aux deux fréquences choisies.\r\n\r\n"
     u8"Quand la noire fait le temps, la ronde dure 60000 × 4 ÷ tempo ms (× 8 pour la "
     u8"croche), soit 2000 ms à 120 ; une mesure à 7/8 en dure les 7/8, 1750 ms, et quatre "
     u8"mesures à 4/4 durent 0:08.000. "
     u8"La mesure sert aussi aux pages Mixage et Image, dont les copies la nomment ; elle "
     u8"est gardée pour le prochain démarrage (4/4 au départ)."},
    {kMixingHelp, u8"Page Mixage",
     u8"Réverbération : quatre tailles, de la petite salle à la cathédrale, dont la longueur "
     u8"totale vaut une noire, une blanche, une mesure et deux mesures (la mesure de la page "
     u8"Mesures). Le pré-délai vaut 1/256, "
     u8"1/128, 1/64 et 1/32 de ronde de la plus petite à la plus grande, ou celui choisi "
     u8"dans la liste Pré-délai pour toutes (aucun, 1/256 à 1/16). Le déclin est la longueur "
     u8"moins le pré-délai ; un tiret quand il ne reste rien.\r\n\r\n"
     u8"Compresseur : l'attaque sur une quadruple ou une triple croche, le relâchement sur "
     u8"une croche ou une noire, et un relâchement qui finit sur le temps suivant "
     u8"(un temps moins l'attaque d'une quadruple croche), le temps étant l'unité de temps "
     u8"choisie, que la ligne nomme : « Relâchement jusqu'au temps suivant (noire) ».\r\n\r\n"
     u8"Exemple à 120 à la noire : petite salle de 500 ms dont 7,81 ms de pré-délai, "
     u8"relâchement jusqu'au temps suivant de 468,75 ms."},
    {kPictureHelp, u8"Page Image",
     u8"Pour la musique à l'image : combien d'images durent un temps (l'unité de temps "
     u8"choisie, que le titre de la colonne nomme : « Par temps (noire) ») et une mesure "
     u8"(celle de la page Mesures), à trois décimales, à 23,976, 24, 25, 29,97, 30, 47,952, "
     u8"48, 50, 59,94, 60 et 119,88 images par seconde, et le clic de film, en images et "
     u8"huitièmes d'image par temps (12-2 : 12 images et 2/8). 23,976, 29,97, 47,952, 59,94 "
     u8"et 119,88 sont pris pour les "
     u8"cadences vidéo exactes (24000/1001…) : avec les valeurs arrondies, le clic "
     u8"dériverait d'une image toutes les quelques minutes.\r\n\r\n"
     u8"Exemple : à 120 à la noire, à 24 images/s, un temps dure 12 images (12-0). En sens "
     u8"inverse, tapez un clic dans la case Délai : la liste donne son tempo à chaque "
     u8"cadence."},
    {kLoopsHelp, u8"Page Boucles",
     u8"Les chiffres qu'on calcule encore à la main : le tempo d'une boucle dont on connaît "
     u8"la longueur (case Longueur), ce qu'un changement de tempo fait à la longueur, à la "
     u8"vitesse et à la hauteur, et le tempo qu'un décalage en demi-tons donne (cases Vers "
     u8"le tempo et Décalage), les croches et doubles croches swinguées (case Swing) et la "
     u8"fréquence d'un LFO calé sur la mesure.\r\n\r\n"
     u8"Chaque case se valide avec Entrée ; Échap y remet ce qu'elle tenait. Une valeur "
     u8"hors de ses limites affiche un avertissement et ne change rien. Les unités, le tempo "
     u8"visé, le décalage et le swing sont gardés pour le prochain démarrage. Dans les listes "
     u8"des boucles et du changement, Entrée ou un double clic sur une ligne qui donne un "
     u8"tempo en fait le tempo exact ; Ctrl+C copie comme sur les autres pages."},
    {kLengthHelp, u8"Longueur d'une boucle",
     u8"La longueur d'une boucle qu'on vous a donnée, dans l'unité choisie : "
     u8"millisecondes (8000), secondes (8), minutes et secondes (0:08 ou 1:23,5) ou "
     u8"échantillons à l'une des deux fréquences choisies sur les pages (352800 à "
     u8"44,1 kHz font 8 secondes). Après Entrée, la liste donne le tempo exact auquel cette "
     u8"longueur dure 1, 2 ou 4 temps et 1, 2, 4, 8, 16 ou 32 mesures de la mesure de la "
     u8"page Mesures : 8000 ms en 4/4 à la noire, c'est 120 pour 4 mesures, 60 pour 2 et 240 "
     u8"pour 8. Un tempo hors de 10 à 250 est marqué (moins de 10, plus de 250) et ne peut "
     u8"être choisi."},
    {kTargetTempoHelp, u8"Vers le tempo",
     u8"Un autre tempo, avec ses décimales, de 10 à 250. La liste donne, du tempo exact à "
     u8"celui-ci : le rapport des longueurs (une boucle de 120 à 126 dure 0,9524 fois sa "
     u8"longueur), le changement de vitesse en pourcentage (+5,00 %) et, pour un changement "
     u8"par rééchantillonnage (varispeed), celui de la hauteur en demi-tons et en cents, "
     u8"12 × log2(nouveau ÷ ancien) : +0,845 demi-ton, +84,5 cents. Une case vide retire la "
     u8"ligne."},
    {kShiftHelp, u8"Décalage",
     u8"Un décalage de hauteur en demi-tons, de −24 à +24, décimales permises : la liste "
     u8"donne le tempo auquel une boucle rééchantillonnée de ce décalage joue, ancien × "
     u8"2 ^ (décalage ÷ 12). À 120, +1 donne 127,14 et −12 donne 60. Hors de 10 à 250, la "
     u8"ligne le dit sans chiffre. Une case vide retire la ligne."},
    {kSwingHelp, u8"Swing",
     u8"La part de la paire que prend la première note, en pourcentage : 50 joue droit, "
     u8"66,67 donne le ternaire (la première note deux tiers de la paire), 75 une note "
     u8"pointée et sa brève. La liste donne, pour des croches (la paire dure une noire) et "
     u8"des doubles croches (la paire dure une croche), la note longue, la note brève et le "
     u8"retard du contretemps en millisecondes : à 120 et 60 %, des croches de 300 et "
     u8"200 ms, le contretemps 50 ms plus tard."},
    {kLfoHelp, u8"LFO calés sur la mesure",
     u8"Pour chaque période, de 1/16 de mesure à 16 mesures, avec sa valeur pointée et son "
     u8"triolet : la fréquence d'un LFO en hertz (trois chiffres significatifs sous 1 Hz) et "
     u8"le nombre de cycles par mesure, pour la mesure de la page Mesures. À 120 à la noire "
     u8"en 4/4, une période d'une mesure vaut 0,500 Hz."},
    {kQuitHelp, u8"Quitter",
     u8"Ferme Rytmalo 95. La position de la fenêtre est enregistrée : au prochain "
     u8"démarrage, elle s'ouvre au même endroit."},
    {kOptionsMenuHelp, u8"Menu Options",
     u8"Les réglages du programme. La commande Préferences permet de garder la fenêtre "
     u8"de Rytmalo 95 au-dessus des autres fenêtres, pratique pendant que vous réglez "
     u8"votre séquenceur ou votre rack d'effets. Tableau détaillé ajoute sous le panneau "
     u8"le tempo tapé ou exact, la recherche du tempo d'un délai et cinq pages de "
     u8"chiffres : valeurs de notes, mesures, mixage, image et boucles."},
    {kPreferencesCommandHelp, u8"Commande Préferences",
     u8"Ouvre la boîte des préférences, où vous choisissez si la fenêtre de Rytmalo 95 "
     u8"reste visible au-dessus de toutes les autres fenêtres."},
    {kDetailCommandHelp, u8"Commande Tableau détaillé",
     u8"Affiche ou masque, sous le panneau des durées, le tableau détaillé : le bouton "
     u8"Taper, ×2 et ÷2, le tempo exact, la recherche du tempo d'un délai et les pages "
     u8"Valeurs, Mesures, Mixage, Image et Boucles. La fenêtre s'agrandit vers la droite et "
     u8"vers le bas autant qu'il faut pour qu'aucun texte ni chiffre ne soit coupé, puis reprend "
     u8"sa "
     u8"taille sans lui. Le choix est gardé pour le prochain démarrage, comme la page "
     u8"affichée et les réglages des pages."},
    {kHelpMenuHelp, u8"Menu ?",
     u8"Sommaire de l'aide ouvre l'aide de Rytmalo 95. A propos de ... affiche le nom "
     u8"et la version du programme."},
    {kAboutHelp, u8"A propos de Rytmalo 95",
     u8"Rytmalo 95, calculatrice de conversion Tempo/Délai, version 2.0, de Vortan "
     u8"Music. Cliquez sur OK ou appuyez sur Entrée pour fermer cette fenêtre."},
};

// The topics with their texts made wide, once, when the help is first
// asked for.
class WideTopics {
public:
    WideTopics() {
        // All the texts in one string, the views taken once it is complete.
        std::array<std::size_t, 2 * std::size(kStoredTopics) + 1> ends{};
        std::size_t part = 0;
        for (const StoredTopic& t : kStoredTopics) {
            tk::AppendWidened(texts_, t.title);
            ends[++part] = texts_.size();
            tk::AppendWidened(texts_, t.text);
            ends[++part] = texts_.size();
        }
        const std::wstring_view all = texts_;
        for (std::size_t i = 0; i < topics_.size(); ++i) {
            const std::size_t* at = &ends[2 * i];
            topics_[i] = {kStoredTopics[i].context, all.substr(at[0], at[1] - at[0]),
                          all.substr(at[1], at[2] - at[1])};
        }
    }
    std::span<const HelpTopic> Topics() const { return topics_; }

private:
    std::wstring texts_;
    std::array<HelpTopic, std::size(kStoredTopics)> topics_{};
};

const WideTopics& Wide() {
    static const WideTopics topics;
    return topics;
}

}  // namespace

std::span<const HelpTopic> HelpTopics() { return Wide().Topics(); }

const HelpTopic* FindHelpTopic(int context) {
    const std::span<const HelpTopic> topics = HelpTopics();
    const auto it = std::find_if(topics.begin(), topics.end(),
                                 [context](const HelpTopic& t) { return t.context == context; });
    return it == topics.end() ? nullptr : &*it;
}

}  // namespace rytmalo
