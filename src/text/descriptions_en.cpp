// English descriptions of the seven memory types, one per band of activeness.
// One source line per text line, so that an editor can work on the wording directly.
#include "text/descriptions.hpp"

namespace mr {

// clang-format off
const DescriptionTable kEnglishDescriptions = {
    // Motorical type (sport)
    {
        // band 0
        u"About 5% :\r"
        u"Arms and legs do as they are told, if grudgingly,\r"
        u"and each new movement means an eternity of practice.\r"
        u"Why go in for top-level sport when the best seats are in the stands?",
        // band 1
        u"About 10% :\r"
        u"Your body is slow to remember an exercise and quick to forget it.\r"
        u"Every skill costs you weeks of patient training.\r"
        u"Going professional is out of the question, but a morning workout will do you good.",
        // band 2
        u"About 30% :\r"
        u"Simple exercises are no trouble, but you stumble over complex combinations.\r"
        u"An unfamiliar move needs drilling over and over before it comes right.\r"
        u"A kickabout with friends at the weekend is just the thing.",
        // band 3
        u"About 35% :\r"
        u"Keeping fit is no hardship, though your stamina sometimes lets you down.\r"
        u"Mastering each technique makes you sweat.\r"
        u"Amateur competitions are as far as you are likely to go.",
        // band 4
        u"About 45% :\r"
        u"Coordination and balance never fail you,\r"
        u"and you pick up a new sport or dance in a few sessions.\r"
        u"Training is a pleasure for you, not a chore.\r"
        u"Have you thought of working as a fitness instructor?",
        // band 5
        u"About 55% :\r"
        u"Every movement is precise and economical,\r"
        u"and you have a new exercise down by the second try.\r"
        u"Team games bring you both fun and a good many wins.\r"
        u"Youth clubs everywhere dream of a coach like you.",
        // band 6
        u"About 65% :\r"
        u"Motor memory is your great strength: years after learning a movement,\r"
        u"you can still repeat it with precision.\r"
        u"Stamina and reactions are above average.\r"
        u"A difficult routine is yours after an afternoon's practice.\r"
        u"The door to professional sport is wide open to you.",
        // band 7
        u"About 70% :\r"
        u"Strength, flexibility and agility are in perfect balance,\r"
        u"and the hardest routines are child's play to learn.\r"
        u"Coaches and judges have already noticed you.\r"
        u"A place in the national team is a goal worth aiming for.",
        // band 8
        u"About 90% :\r"
        u"Exercise is as vital to you as the air you breathe.\r"
        u"Skills arrive almost without effort, and no workload ever seems enough.\r"
        u"An Olympic medal is within your grasp if your coach can stop you overdoing it.",
        // band 9
        u"About 95% :\r"
        u"Constant exercise is what your body craves; rest feels like time wasted.\r"
        u"Moves come to you on the spot, though you rarely bother to polish them.\r"
        u"Remember that recovery is part of training too.\r"
        u"Stunt work or test flying would suit you down to the ground.",
        // band 10
        u"About 100% :\r"
        u"You can’t sit still for a minute,\r"
        u"and other people get tired just watching you.\r"
        u"Inventors have spent centuries searching for you.\r"
        u"Aren’t you a \"Perpetuum Mobile\"?"
    },
    // Sensual type (music, the stage)
    {
        // band 0
        u"About 5% :\r"
        u"Not much stirs your emotions,\r"
        u"and even music leaves you cold.\r"
        u"Feelings teach you next to nothing.\r"
        u"Stage fright is unknown to you, and so is the urge to perform.",
        // band 1
        u"About 10% :\r"
        u"Other people’s feelings puzzle you at times,\r"
        u"and you rarely let your own show.\r"
        u"You do draw lessons from experience, but slowly.\r"
        u"There’s little danger of a career\r"
        u"as an actor or a singer.",
        // band 2
        u"About 30% :\r"
        u"A tune leaves your memory almost the moment it ends,\r"
        u"and your ear could do with some training.\r"
        u"Since you shrug feelings off, their lessons pass you by.\r"
        u"A seat in the audience suits you better than a place on stage.",
        // band 3
        u"About 35% :\r"
        u"You feel things deeply,\r"
        u"but the words don't always come.\r"
        u"Singing along to your favourite songs is a joy, wrong notes and all.\r"
        u"Your emotions become clear to you only in hindsight.\r"
        u"Community theatre, yes; the big stage, hardly.",
        // band 4
        u"About 45% :\r"
        u"You remember feelings vividly\r"
        u"and have a good ear for a tune.\r"
        u"Every emotion makes you a little wiser.\r"
        u"Teach music, and your pupils will thank you.",
        // band 5
        u"About 55% :\r"
        u"You sense the mood of the person you are talking to\r"
        u"and can pass it on to others.\r"
        u"Music and theatre mean a great deal to you\r"
        u"and teach you more than books ever could.\r"
        u"Directing for the stage is your calling.",
        // band 6
        u"About 65% :\r"
        u"Your vivid, infectious temperament sweeps audiences along.\r"
        u"The stage doesn't frighten you; it inspires you.\r"
        u"Nothing you have lived through ever fades with time.\r"
        u"Actor, singer or musician? Choose whichever you love most.",
        // band 7
        u"About 70% :\r"
        u"A rare gift lets you slip into every role and live its feelings as your own.\r"
        u"Music and acting are your mother tongue.\r"
        u"Theatre, opera or pop: no stage is beyond you.",
        // band 8
        u"About 90% :\r"
        u"Feelings run away with you,\r"
        u"and your mood is as changeable as April weather.\r"
        u"Stormy quarrels end in tearful reconciliations.\r"
        u"Every upheaval is a lesson, and some leave a scar.\r"
        u"Let your passions loose on stage. You were born to play tragedy.",
        // band 9
        u"About 95% :\r"
        u"Your emotions always run high,\r"
        u"and every trifle becomes a major event.\r"
        u"A spilt cup of tea is enough for a drama in three acts.\r"
        u"Impressions pile up inside you faster than they can settle.\r"
        u"Opera diva or rock star: either way, you will go on playing the part\r"
        u"offstage, long after the curtain has fallen.",
        // band 10
        u"About 100% :\r"
        u"An emotional volcano, by any chance? Your passions erupt at the slightest excuse.\r"
        u"Government health warning:\r"
        u"\"Sudden mood swings can seriously damage your peace of mind!\""
    },
    // Imaging type (visual arts)
    {
        // band 0
        u"About 5% :\r"
        u"Nature was sparing with your imagination,\r"
        u"so picturing what isn’t in front of you is hard work.\r"
        u"A diagram, however clear, tells you very little.\r"
        u"You will never make a painter, but you do see things as they really are.",
        // band 1
        u"About 10% :\r"
        u"What you see fades quickly from your memory.\r"
        u"Colours and shapes catch your eye only when someone points them out.\r"
        u"Charts and visual aids don’t help you learn much.\r"
        u"Design isn’t really your line of work.",
        // band 2
        u"About 30% :\r"
        u"Imagination stirs in you only now and then\r"
        u"and soon dozes off again.\r"
        u"It’s easier for you to copy a ready-made design\r"
        u"than to come up with one yourself.\r"
        u"In a textbook, you learn more from the words than from the pictures.\r"
        u"Drawing can be a pleasant pastime, but it won’t be your profession.",
        // band 3
        u"About 35% :\r"
        u"Faces stay with you, though your visual memory is otherwise average.\r"
        u"Your imagination could afford to be bolder.\r"
        u"A map or a sketch takes you a minute or two to work out.\r"
        u"You could dress a shop window, but painting is another matter.",
        // band 4
        u"About 45% :\r"
        u"You think in images, have a fine sense of colour and learn best from drawings.\r"
        u"Long before an object is made, you can picture it down to the last detail.\r"
        u"Why not try your hand at interior design?",
        // band 5
        u"About 55% :\r"
        u"A rich imagination and a sharp eye for detail serve you well.\r"
        u"Your drawings and photographs hold people spellbound.\r"
        u"Everything you see lodges in your memory of its own accord.\r"
        u"Illustration will make your name.",
        // band 6
        u"About 65% :\r"
        u"Images come readily, and you sense composition by instinct.\r"
        u"You see objects in the round\r"
        u"and read a technical drawing like a book.\r"
        u"Architecture beckons.",
        // band 7
        u"About 70% :\r"
        u"Your visual memory is exceptional,\r"
        u"and your imagination knows no bounds.\r"
        u"To you, the world is a canvas waiting to be painted.\r"
        u"Any image is etched in your mind at first sight.\r"
        u"Fame is assured; the only question is whether by brush or chisel.",
        // band 8
        u"About 90% :\r"
        u"Your imagination works overtime,\r"
        u"and daydreams sometimes crowd out your everyday duties.\r"
        u"With your head in the clouds, you lose track of deadlines.\r"
        u"You take in a picture at a glance, but dry text sends you to sleep.\r"
        u"Avant-garde painting or animation is where you will come into your own.",
        // band 9
        u"About 95% :\r"
        u"You live in a world of your own imagining,\r"
        u"and everyday life looks grey beside it.\r"
        u"Others don't always grasp your ideas, and you sometimes forget to explain them.\r"
        u"Images teach you everything; words, nothing at all.\r"
        u"Until the right gallery owner comes along, you remain an unrecognised genius.",
        // band 10
        u"About 100% :\r"
        u"What is hidden from everyone else is plain to you.\r"
        u"Colours seem to ring, and melodies to shine.\r"
        u"Your dreams put the cinema to shame.\r"
        u"Just don't try to walk through a door you painted yourself!"
    },
    // Logical type (exact sciences)
    {
        // band 0
        u"About 5% :\r"
        u"A line of reasoning wears you out by the second step,\r"
        u"and learning to think rigorously goes against the grain.\r"
        u"Numbers and formulas daunt you more than they interest you.\r"
        u"Mathematics isn't your strong suit,\r"
        u"but at least no unsolved problem will ever keep you awake at night.",
        // band 1
        u"About 10% :\r"
        u"The thread of an argument keeps slipping away from you.\r"
        u"You solve problems by guesswork rather than by the rules,\r"
        u"and learn logic by rote, as if it were poetry.\r"
        u"Best forget about a career in programming.",
        // band 2
        u"About 30% :\r"
        u"Easy logic puzzles are fine, but long chains of reasoning trip you up.\r"
        u"Your times tables are solid; your fractions, less so.\r"
        u"A new topic keeps you at your desk for hours on end.\r"
        u"Leave the bookkeeping to somebody else.",
        // band 3
        u"About 35% :\r"
        u"In a chain of logical steps, you seldom lose your place.\r"
        u"Mathematics holds no terrors for you.\r"
        u"Your learning pace is much like most people's.\r"
        u"A teaching career, though, isn't for you.",
        // band 4
        u"About 45% :\r"
        u"Methodical by nature, you can see where an argument is heading.\r"
        u"Maths and the sciences are well within your reach.\r"
        u"A tidy mind helps you in everyday life as well.\r"
        u"Engineering or economics is a safe bet.",
        // band 5
        u"About 55% :\r"
        u"Your logic is clear, and you never forget a formula.\r"
        u"In your hands, any problem readily breaks down into simple steps.\r"
        u"Nobody has to explain a topic to you twice.\r"
        u"The makings of a first-rate programmer are all there.",
        // band 6
        u"About 65% :\r"
        u"Precise reasoning comes naturally to you,\r"
        u"and you can master a new theory in a few days.\r"
        u"Flaws in other people's arguments leap out at you.\r"
        u"Consider a job as an analyst or a maths teacher.",
        // band 7
        u"About 70% :\r"
        u"Brilliant logical thinking sets you apart.\r"
        u"You hold long chains of proof in your head\r"
        u"and can return unerringly to whichever link you need.\r"
        u"A whole field of mathematics is yours in weeks, not years.\r"
        u"Go into research, and one day a theorem may bear your name.",
        // band 8
        u"About 90% :\r"
        u"You demand proof of every statement,\r"
        u"even of a compliment paid in all sincerity.\r"
        u"Where intuition is called for,\r"
        u"you find yourself at a loss.\r"
        u"Logic comes easily to you; feelings are much harder.\r"
        u"Theoretical science is your natural home.",
        // band 9
        u"About 95% :\r"
        u"Logic rules everything you do, even your feelings and your leisure.\r"
        u"Maths problems follow you to the dinner table.\r"
        u"You devour proofs by the dozen, but not every truth can be derived.\r"
        u"Chess clubs and the secret services have long been waiting for you.",
        // band 10
        u"About 100% :\r"
        u"You check everything under the sun for consistency.\r"
        u"It seems you derive even love from axioms.\r"
        u"Do you pass the \"I'm not a robot\" test at the first attempt?"
    },
    // Aiming type (advertising)
    {
        // band 0
        u"About 5% :\r"
        u"Your goals drift,\r"
        u"and your plans change with your mood.\r"
        u"Systems and structures won't stay in your head.\r"
        u"Advertising is no place for you: you never believe a word of it yourself.",
        // band 1
        u"About 10% :\r"
        u"Life tends simply to happen to you.\r"
        u"Finding the best way to pursue your aims is a real struggle.\r"
        u"Learning how things are structured is no easier for you.\r"
        u"Selling advertising for a living seems unlikely.",
        // band 2
        u"About 30% :\r"
        u"Plenty of goals get set, but few live to see the second obstacle.\r"
        u"Working to a system is something you learn slowly and reluctantly.\r"
        u"One week of cold calling, and you will have had enough.",
        // band 3
        u"About 35% :\r"
        u"Your route may be a roundabout one, but you do reach your goals.\r"
        u"Slowly but surely, you get the hang of office routines.\r"
        u"In sales, you would make a dependable number two.",
        // band 4
        u"About 45% :\r"
        u"Picking out what matters is second nature; you sense what others want\r"
        u"and soon work out how things run in a new firm.\r"
        u"Advertising management would be just right for you.",
        // band 5
        u"About 55% :\r"
        u"Everything you do is planned ahead and done on time.\r"
        u"You take up new methods faster than your colleagues do.\r"
        u"In marketing, you will go far.",
        // band 6
        u"About 65% :\r"
        u"Keeping the goal clearly in view,\r"
        u"you carry other people along with you.\r"
        u"Whatever the plan, you spot its weak points at once.\r"
        u"Advertising campaigns need someone like you in charge.",
        // band 7
        u"About 70% :\r"
        u"Determined and persuasive, you find the shortest route to a result,\r"
        u"untangle a complicated scheme in a minute\r"
        u"and can present an idea so that people want to buy it.\r"
        u"An agency you set up yourself is bound to succeed.",
        // band 8
        u"About 90% :\r"
        u"The goal is all that matters to you.\r"
        u"To get results, you will stop at nothing.\r"
        u"Clients are sometimes scared off by your pushiness.\r"
        u"You learn quickly, but only what serves your purpose.\r"
        u"Retail chains will value your drive and tenacity.",
        // band 9
        u"About 95% :\r"
        u"Without a goal, life would make no sense to you,\r"
        u"and no sooner is one reached than you rush on to the next.\r"
        u"You are forever talking someone into something,\r"
        u"and your friends hide from your special offers.\r"
        u"A marketing manual comes with you to the beach.\r"
        u"With you running the campaign, even a hopeless candidate could win an election.",
        // band 10
        u"About 100% :\r"
        u"Don't try to sell the Moon; there are no buyers for it yet!"
    },
    // Managing type (business)
    {
        // band 0
        u"About 5% :\r"
        u"Responsibility is something you avoid,\r"
        u"and you dislike having to make decisions.\r"
        u"Learning rules and principles is quite an ordeal for you.\r"
        u"Let others be in charge; at least your weekends will be free.",
        // band 1
        u"About 10% :\r"
        u"Regulations and routine aren't to your taste,\r"
        u"and orders from above weigh on you.\r"
        u"When requirements change, you are the last to catch up.\r"
        u"In business, you would always feel like an outsider.",
        // band 2
        u"About 30% :\r"
        u"Organising your own work is no problem; other people's is harder.\r"
        u"Instructions make sense to you only on a second reading.\r"
        u"You are most at ease as an ordinary member of staff.",
        // band 3
        u"About 35% :\r"
        u"Loyal to your principles,\r"
        u"you still tend to give way in an argument.\r"
        u"A heavy responsibility unsettles you.\r"
        u"You learn the ropes a little more slowly than most.\r"
        u"A small office would be glad of you as its administrator.",
        // band 4
        u"About 45% :\r"
        u"Sharing out tasks confidently, you see that they get done.\r"
        u"Colleagues know they can rely on your word.\r"
        u"A new set of regulations takes you only an evening to learn.\r"
        u"A department in your charge would run like clockwork.",
        // band 5
        u"About 55% :\r"
        u"Firm principles and a talent for negotiation are your strengths.\r"
        u"Partners quickly find common ground with you.\r"
        u"Soon you will know the rules better than their authors.\r"
        u"It may be time to think about starting a business.",
        // band 6
        u"About 65% :\r"
        u"You see a system whole, master it in a day and run it with a steady hand.\r"
        u"Those who work for you value your fairness.\r"
        u"Before long, you will be sitting in the director's chair.",
        // band 7
        u"About 70% :\r"
        u"Few can match your talent for organisation.\r"
        u"Calculated risks are your speciality, and they pay off.\r"
        u"Sizing up a new market takes you mere minutes.\r"
        u"In banking or in your own business, money will find its way to you.",
        // band 8
        u"About 90% :\r"
        u"Nothing escapes your personal control,\r"
        u"and you find it hard to let go of a single task.\r"
        u"Your firmness of principle hardens into stubbornness.\r"
        u"Quarrels with partners and staff may follow.\r"
        u"A rule, once mastered, becomes law to you.\r"
        u"A large corporation could be yours to run if you learn to trust your deputies.",
        // band 9
        u"About 95% :\r"
        u"Work has swallowed you whole,\r"
        u"and nothing else in the world gets a look-in.\r"
        u"The slightest departure from procedure makes you lose your temper.\r"
        u"Your red tape is strangling the business itself.\r"
        u"You know every rulebook by heart, and still you ask for more.\r"
        u"A bank will become your second home, but is success worth such a price?",
        // band 10
        u"About 100% :\r"
        u"Are your job descriptions for the whole of humanity ready yet?"
    },
    // Worldoutlooking type (science and religion)
    {
        // band 0
        u"About 5% :\r"
        u"The meaning of life and how the world works hardly interest you.\r"
        u"To you, science is just a dull school subject.\r"
        u"Theories go in one ear and out the other.\r"
        u"Philosophy can do without you, and you are better off without it.",
        // band 1
        u"About 10% :\r"
        u"The laws of nature are a given to you.\r"
        u"Your picture of the world has yet to come together,\r"
        u"not least because what you read quickly evaporates.\r"
        u"A life in research holds little appeal for you.",
        // band 2
        u"About 30% :\r"
        u"Now and then you ponder the eternal questions,\r"
        u"but soon return to everyday matters.\r"
        u"You borrow views more often than you form your own.\r"
        u"Theories take root in you only slowly.\r"
        u"A career in science would demand a great deal of you.",
        // band 3
        u"About 35% :\r"
        u"Gradually, your world view is taking shape,\r"
        u"though it still has plenty of gaps.\r"
        u"Popular science gives you real pleasure, and much of it sticks.\r"
        u"Start out as a lab assistant and see where it leads.",
        // band 4
        u"About 45% :\r"
        u"You notice how things are connected and look for the causes behind them.\r"
        u"The laws of nature fall neatly into place for you.\r"
        u"Pupils would be lucky to have you as their science teacher.",
        // band 5
        u"About 55% :\r"
        u"Life's big questions absorb you, and your world view is all of a piece.\r"
        u"Arguing about faith and knowledge, you respect the other side.\r"
        u"Once you have grasped an idea, it stays with you for good.\r"
        u"Science and the Church alike would welcome you with open arms.",
        // band 6
        u"About 65% :\r"
        u"You seek to understand the universe and humanity's place in it,\r"
        u"and no theory is too difficult for you.\r"
        u"In your eyes, science and religion aren't enemies but two views of one truth.\r"
        u"Devote yourself to philosophy: who is better suited to reconcile reason with faith?",
        // band 7
        u"About 70% :\r"
        u"The laws of nature and society hold few secrets from you.\r"
        u"People value your broad, mature views and often seek your advice.\r"
        u"From the merest hint, you grasp the heart of the matter.\r"
        u"Recognition as a scientist or theologian lies ahead.",
        // band 8
        u"About 90% :\r"
        u"As you see it, there's only one true picture of the world: your own.\r"
        u"Anyone who disagrees is in for hours of persuasion.\r"
        u"Dogmatism is only a step away.\r"
        u"You soak up knowledge greedily, but only the convenient kind.\r"
        u"If you listen to your students, you could found a school of thought.",
        // band 9
        u"About 95% :\r"
        u"Tireless in your search for ultimate truth,\r"
        u"you will argue about it with anyone you meet.\r"
        u"Intolerance of other views\r"
        u"could leave you a preacher without a flock.\r"
        u"You amass laws and theories the way others collect stamps.\r"
        u"Become a professor of theology, but don't cut yourself off from the world.",
        // band 10
        u"About 100% :\r"
        u"Hope, you are not going to declare yourself as Prophet!"
    },
};
// clang-format on

}  // namespace mr
