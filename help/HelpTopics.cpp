#include "help/HelpTopics.h"

#include <algorithm>

namespace rytmalo {
namespace {

constexpr HelpTopic kTopics[] = {
    {kContentsTopic, L"Rytmalo 95 : calculatrice Tempo/Délai",
     L"Rytmalo 95 traduit un tempo en durées de notes, en millisecondes : les valeurs à "
     L"régler sur un écho, une pédale de délai ou un plug-in de retard pour que les "
     L"répétitions tombent en rythme.\r\n\r\n"
     L"1. Tapez le tempo du morceau (de 10 à 250 battements par minute) dans la case "
     L"Tempo et validez avec Entrée.\r\n"
     L"2. Choisissez l'unité de temps, la figure de note qui vaut un battement : la "
     L"noire dans la plupart des morceaux.\r\n"
     L"3. Lisez dans le panneau noir la durée de dix figures, de la ronde à la "
     L"quadruple croche, triolets compris.\r\n\r\n"
     L"Exemple : à 120 avec l'unité noire, la noire dure 500 ms et la croche 250 ms. "
     L"Un délai de 250 ms répète chaque note une croche plus tard. Pour un délai "
     L"pointé, ajoutez la moitié de la valeur : croche pointée = 250 + 125 = 375 ms. "
     L"Les valeurs sont tronquées à la milliseconde.\r\n\r\n"
     L"Pour aller plus loin, la commande Tableau détaillé du menu Options agrandit la "
     L"fenêtre. En haut : le bouton Taper, ×2 et ÷2, le tempo exact avec ses décimales et "
     L"la recherche du tempo d'un délai donné en millisecondes, en hertz ou en "
     L"échantillons. En dessous, quatre pages : Valeurs (toutes les figures, pointées et "
     L"irrégulières, en ms, en Hz et en échantillons), Mesures (la durée des mesures dans "
     L"n'importe quelle métrique), Mixage (réverbération et compresseur en rythme) et "
     L"Image (images par temps et clic de film).\r\n\r\n"
     L"Sur chaque commande, la touche F1 affiche l'aide qui la concerne."},
    {kTempoHelp, L"Tempo",
     L"Tapez ici le tempo, en battements par minute (BPM), puis appuyez sur Entrée : "
     L"les dix durées sont calculées aussitôt. Les tempos de 10 à 250 sont acceptés ; "
     L"en dehors de cette plage, un avertissement s'affiche et la case est vidée.\r\n\r\n"
     L"Échap vide la case sans toucher aux valeurs affichées. Le tempo se lit sur le "
     L"métronome ou le séquenceur ; pour un morceau enregistré, comptez les temps "
     L"pendant 15 secondes et multipliez par 4."},
    {kPreferencesHelp, L"Préferences",
     L"Les réglages de l'affichage de Rytmalo 95. Cochez ou décochez l'option, puis "
     L"cliquez sur OK pour l'appliquer et l'enregistrer. Annuler, ou la touche Échap, "
     L"ferme la boîte sans rien enregistrer."},
    {kStayOnTopHelp, L"Fenêtre persistente",
     L"Cochée, la fenêtre de Rytmalo 95 reste au-dessus de toutes les autres fenêtres, "
     L"même quand vous travaillez dans un autre programme : les durées restent sous vos "
     L"yeux pendant que vous réglez vos effets dans le séquenceur. Le choix s'applique "
     L"dès que vous cliquez sur OK et reste en vigueur aux démarrages suivants."},
    {kBeatUnitHelp, L"Unité de temps",
     L"Indique quelle figure de note vaut un battement du tempo : la blanche (x/2, "
     L"mesures à 2/2), la noire (x/4, le cas le plus courant : 4/4, 3/4), la croche "
     L"(x/8, mesures à 6/8 ou 12/8 battues à la croche) ou la double-croche (x/16).\r\n\r\n"
     L"Changer d'unité recalcule aussitôt les durées à partir du tempo de la case, sans "
     L"nouvelle validation. Exemple : à 120, la noire dure 500 ms avec l'unité noire, "
     L"mais 1000 ms avec l'unité croche, puisque c'est alors la croche qui dure 500 ms."},
    {kTapHelp, L"Taper le tempo",
     L"Cliquez sur Taper, ou appuyez sur la barre d'espace quand le bouton a le focus, "
     L"au rythme du morceau. Dès le deuxième temps, le tempo s'affiche au dixième près, "
     L"avec le nombre de temps tapés et, à partir du troisième, sa marge d'erreur : "
     L"« Tempo tapé : 95,4 (8 temps, ± 0,3) ». Il est ajusté sur les seize derniers temps "
     L"(moindres carrés) : chacun compte, pas seulement le premier et le dernier, et la "
     L"marge se resserre à mesure que vous tapez. Entre 10 et 250, il est calculé aussitôt "
     L"(au dixième dans la case Tempo exact, arrondi dans la case Tempo) ; en dehors, il "
     L"est seulement affiché.\r\n\r\n"
     L"Une fois que trois temps ont fixé la cadence, un temps oublié ne fausse rien (un "
     L"écart de plus d'un temps trois quarts compte les temps manqués) et un rebond à moins "
     L"d'un demi-temps du précédent est ignoré. Avant cela, une pause jusqu'à 6,5 secondes "
     L"continue la série, si bien qu'on peut taper même à 10 BPM ; ensuite, une pause de "
     L"plus de deux temps et demi, et d'au moins 2 secondes, recommence. Échap ou Retour "
     L"arrière sur le bouton recommence aussi."},
    {kDelayHelp, L"Délai",
     L"Tapez un délai, choisissez son unité dans la liste voisine, puis appuyez sur "
     L"Entrée : la liste du dessous donne, pour chaque valeur de la page Valeurs, le tempo "
     L"auquel elle dure exactement ce délai. Décimales permises : 375 ou 187,5 ms, "
     L"2,67 Hz. À droite, la valeur qui s'en approche le plus au tempo actuel, et de "
     L"combien : « Au tempo 120, le plus proche : Croche pointée, +1,25 % » veut dire que "
     L"le délai dure 1,25 % de plus qu'une croche pointée.\r\n\r\n"
     L"Sur la page Image, la case prend aussi un clic de film, en images et huitièmes "
     L"d'image par temps : 12-2 (12 images et 2/8) donne le tempo de ce clic à chaque "
     L"cadence d'images. Un délai qui n'est pas un nombre positif (ni, sur la page Image, "
     L"un clic) affiche un avertissement."},
    {kTemposHelp, L"Tempos du délai",
     L"Chaque ligne donne une valeur de note et le tempo, au dixième près, auquel elle "
     L"dure le délai tapé, avec l'unité de temps choisie ; seuls les tempos de 10 à 250 "
     L"y figurent. Pour 375 ms à la noire : « Croche pointée : 120,0 », « Noire : 160,0 ». "
     L"Pour un clic de film, chaque ligne donne le tempo du clic à une cadence "
     L"(« 12-2 à 24 images/s : 117,55 »).\r\n\r\n"
     L"Double-cliquez sur une ligne, ou choisissez-la et appuyez sur Entrée : son tempo "
     L"devient le tempo exact de toutes les pages, et la case Tempo reçoit le tempo "
     L"entier le plus proche."},
    {kTableHelp, L"Page Valeurs",
     L"Chaque valeur de note suivie de la même valeur pointée, au tempo exact et à "
     L"l'unité de temps choisie : la durée en millisecondes au centième, la fréquence en "
     L"hertz (pour caler un LFO ou un trémolo) et la longueur en échantillons aux deux "
     L"fréquences choisies (pour un échantillonneur). Les chiffres sont calculés sur le "
     L"tempo exact, sans passer par une valeur arrondie.\r\n\r\n"
     L"Sur chaque page, Ctrl+C copie les lignes choisies, ou toute la liste si aucune ne "
     L"l'est (Ctrl+A les choisit toutes), prêtes à coller dans un tableur : une ligne qui "
     L"nomme le tempo (« Tempo 120 à la noire »), les titres, puis les chiffres séparés "
     L"par des tabulations, sans espace entre les milliers. Le clic droit, Maj+F10 ou la "
     L"touche Menu offre Copier. Le clic droit sur une des dix valeurs du panneau noir "
     L"copie son chiffre."},
    {kStepHelp, L"×2 et ÷2",
     L"×2 double le tempo exact, ÷2 le divise par deux, et toutes les pages sont "
     L"recalculées aussitôt, la case Tempo recevant le tempo arrondi. Pratique quand le "
     L"tempo tapé ou lu est celui du demi-temps ou du double-temps : ×2 fait de 58 un 116, "
     L"÷2 fait de 117,55 un 58,78 (au centième). Chaque bouton est grisé quand le résultat "
     L"sortirait de la plage de 10 à 250."},
    {kExactTempoHelp, L"Tempo exact",
     L"Le tempo des pages, avec ses décimales. Tapez par exemple 117,55 (ou 117.55), de 10 "
     L"à 250, puis appuyez sur Entrée : toutes les pages sont calculées sur ce tempo. Un "
     L"tempo tapé au bouton Taper, choisi dans la liste des tempos d'un délai ou donné "
     L"par un clic de film garde ici ses décimales, tandis que la case Tempo et les dix "
     L"valeurs du panneau noir reçoivent le tempo entier le plus proche (118 pour "
     L"117,55). Un tempo validé dans la case Tempo s'inscrit ici tel quel.\r\n\r\n"
     L"Un texte qui n'est pas un tempo de 10 à 250 affiche un avertissement et ne change "
     L"rien."},
    {kDelayUnitHelp, L"Unité du délai",
     L"L'unité dans laquelle vous tapez le délai : millisecondes (375), hertz, la cadence "
     L"des répétitions ou d'un LFO (2 Hz = 500 ms), ou échantillons à 44,1 kHz ou à "
     L"48 kHz, la longueur lue dans un éditeur audio (16538 échantillons à 44,1 kHz font "
     L"375 ms), arrondie à l'échantillon.\r\n\r\n"
     L"Changer d'unité relit aussitôt le délai de la case dans la nouvelle unité. Le choix "
     L"est gardé pour le prochain démarrage."},
    {kPagesHelp, L"Pages du tableau détaillé",
     L"Valeurs (les durées de toutes les notes), Mesures (temps et mesures), Mixage "
     L"(réverbération et compresseur) et Image (images par temps et clic de film). "
     L"Cliquez sur un onglet, ou passez d'une page à l'autre avec Ctrl+Tab et "
     L"Ctrl+Maj+Tab, ou avec Alt+V, Alt+M, Alt+I et Alt+G.\r\n\r\n"
     L"La ligne au-dessus des onglets dit pour quel tempo et quelle unité les chiffres "
     L"sont calculés (« Tempo 117,55 à la noire ») ; pour un tempo hors de 10 à 250, elle "
     L"le signale et les pages restent vides. La page affichée est retrouvée au prochain "
     L"démarrage."},
    {kDivisionsHelp, L"Toutes les divisions",
     L"Cochée, la page Valeurs ajoute aux valeurs simples et pointées les valeurs "
     L"doublement pointées (7/4 de la valeur, de la ronde à la double croche), les "
     L"quintolets (cinq pour quatre, 4/5 de la valeur) et les septolets (sept pour "
     L"quatre, 4/7), de la blanche à la triple croche. La liste des tempos d'un délai "
     L"suit le même choix.\r\n\r\n"
     L"Exemple : à 120 à la noire, la noire doublement pointée dure 875 ms et le "
     L"quintolet de doubles croches 100 ms. Le choix est gardé pour le prochain "
     L"démarrage."},
    {kSampleRatesHelp, L"Fréquences d'échantillonnage",
     L"La fréquence de chacune des deux colonnes d'échantillons : 44,1, 48, 88,2, 96, "
     L"176,4 ou 192 kHz, celle de votre projet ou de votre échantillonneur (44,1 et 48 kHz "
     L"au départ). Le choix vaut pour les pages Valeurs et Mesures, se retrouve dans les "
     L"titres copiés (« Échantillons à 96 kHz ») et est gardé pour le prochain "
     L"démarrage. Exemple : à 120 à la noire, une noire dure 24000 échantillons à "
     L"48 kHz et 48000 à 96 kHz."},
    {kBarsHelp, L"Page Mesures",
     L"Choisissez la mesure : le nombre de temps (1 à 32) sur la valeur qui fait le temps "
     L"(1, 2, 4, 8, 16 ou 32). La page donne la durée du temps de la mesure, de la "
     L"pulsation pointée dans les mesures composées (6/8, 9/8, 12/8…), puis de 1, 2, 4, 8, "
     L"16 et 32 mesures : en millisecondes, en minutes:secondes.millisecondes et en "
     L"échantillons aux deux fréquences choisies.\r\n\r\n"
     L"Quand la noire fait le temps, la ronde dure 60000 × 4 ÷ tempo ms (× 8 pour la "
     L"croche), soit 2000 ms à 120 ; une mesure à 7/8 en dure les 7/8, 1750 ms, et quatre "
     L"mesures à 4/4 durent 0:08.000. "
     L"La mesure sert aussi aux pages Mixage et Image ; elle est gardée pour le prochain "
     L"démarrage (4/4 au départ)."},
    {kMixingHelp, L"Page Mixage",
     L"Réverbération : quatre tailles, de la petite salle à la cathédrale, dont la longueur "
     L"totale vaut une noire, une blanche, une mesure et deux mesures (la mesure de la page "
     L"Mesures). Le pré-délai vaut 1/256, "
     L"1/128, 1/64 et 1/32 de ronde de la plus petite à la plus grande, ou celui choisi "
     L"dans la liste Pré-délai pour toutes (aucun, 1/256 à 1/16). Le déclin est la longueur "
     L"moins le pré-délai ; un tiret quand il ne reste rien.\r\n\r\n"
     L"Compresseur : l'attaque sur une quadruple ou une triple croche, le relâchement sur "
     L"une croche ou une noire, et un relâchement qui finit sur le temps suivant "
     L"(un temps moins l'attaque d'une quadruple croche).\r\n\r\n"
     L"Exemple à 120 à la noire : petite salle de 500 ms dont 7,81 ms de pré-délai, "
     L"relâchement jusqu'au temps suivant de 468,75 ms."},
    {kPictureHelp, L"Page Image",
     L"Pour la musique à l'image : combien d'images durent un temps et une mesure (celle "
     L"de la page Mesures), à trois décimales, à 23,976, 24, 25, 29,97, 30, 50, 59,94 et "
     L"60 images par seconde, et le clic de film, en images et huitièmes d'image par "
     L"temps (12-2 : 12 images et 2/8). 23,976, 29,97 et 59,94 sont pris pour les cadences "
     L"vidéo exactes (24000/1001…) : avec les valeurs arrondies, le clic dériverait "
     L"d'une image toutes les quelques minutes.\r\n\r\n"
     L"Exemple : à 120 à la noire, à 24 images/s, un temps dure 12 images (12-0). En sens "
     L"inverse, tapez un clic dans la case Délai : la liste donne son tempo à chaque "
     L"cadence."},
    {kQuitHelp, L"Quitter",
     L"Ferme Rytmalo 95. La position de la fenêtre est enregistrée : au prochain "
     L"démarrage, elle s'ouvre au même endroit."},
    {kOptionsMenuHelp, L"Menu Options",
     L"Les réglages du programme. La commande Préferences permet de garder la fenêtre "
     L"de Rytmalo 95 au-dessus des autres fenêtres, pratique pendant que vous réglez "
     L"votre séquenceur ou votre rack d'effets. Tableau détaillé ajoute sous le panneau "
     L"le tempo tapé ou exact, la recherche du tempo d'un délai et quatre pages de "
     L"chiffres : valeurs de notes, mesures, mixage et image."},
    {kPreferencesCommandHelp, L"Commande Préferences",
     L"Ouvre la boîte des préférences, où vous choisissez si la fenêtre de Rytmalo 95 "
     L"reste visible au-dessus de toutes les autres fenêtres."},
    {kDetailCommandHelp, L"Commande Tableau détaillé",
     L"Affiche ou masque, sous le panneau des durées, le tableau détaillé : le bouton "
     L"Taper, ×2 et ÷2, le tempo exact, la recherche du tempo d'un délai et les pages "
     L"Valeurs, Mesures, Mixage et Image. La fenêtre s'agrandit vers le bas, et vers la "
     L"droite autant qu'il faut pour qu'aucun chiffre ne soit coupé, puis reprend sa "
     L"taille sans lui. Le choix est gardé pour le prochain démarrage, comme la page "
     L"affichée et les réglages des pages."},
    {kHelpMenuHelp, L"Menu ?",
     L"Sommaire de l'aide ouvre l'aide de Rytmalo 95. A propos de ... affiche le nom "
     L"et la version du programme."},
    {kAboutHelp, L"A propos de Rytmalo 95",
     L"Rytmalo 95, calculatrice de conversion Tempo/Délai, version 2.0, de Vortan "
     L"Music. Cliquez sur OK ou appuyez sur Entrée pour fermer cette fenêtre."},
};

}  // namespace

std::span<const HelpTopic> HelpTopics() { return kTopics; }

const HelpTopic* FindHelpTopic(int context) {
    const auto it = std::find_if(std::begin(kTopics), std::end(kTopics),
                                 [context](const HelpTopic& t) { return t.context == context; });
    return it == std::end(kTopics) ? nullptr : &*it;
}

}  // namespace rytmalo
